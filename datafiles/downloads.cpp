#include "datafiles/downloads.h"

#include <algorithm>
#include <cstdio>

#include "datafiles/download_texts.h"
#include "datafiles/file_access.h"
#include "datafiles/utf8_edition.h"
#include "datafiles/utf8_import.h"
#include "datafiles/zip_reader.h"
#include "postal/text.h"

namespace datafiles {

namespace {

// The names Japan Post gives the CSV inside each zip.
constexpr char kAddressCsvName[] = "KEN_ALL.CSV";
constexpr char kOfficeCsvName[] = "JIGYOSYO.CSV";

constexpr char kZipSignature[] = "PK\x03\x04";
constexpr char kEmptyZipSignature[] = "PK\x05\x06";
constexpr size_t kSignatureBytes = 4;

bool IsZipKind(SourceKind kind) {
  return kind == SourceKind::kAddressZip || kind == SourceKind::kUtf8Zip || kind == SourceKind::kOfficeZip;
}
bool IsUtf8Kind(SourceKind kind) { return kind == SourceKind::kUtf8Zip || kind == SourceKind::kUtf8Csv; }

const char* CsvNameInZip(SourceKind kind) {
  switch (kind) {
    case SourceKind::kUtf8Zip:
      return kUtf8EditionName;
    case SourceKind::kOfficeZip:
      return kOfficeCsvName;
    default:
      return kAddressCsvName;
  }
}

std::string BaseName(const std::string& path) {
  std::string dir, name;
  postal::SplitPath(path, dir, name);
  return name;
}

bool ContainsIgnoringCase(const std::string& text, const std::string& part) {
  const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
  return std::search(text.begin(), text.end(), part.begin(), part.end(),
                     [&](char a, char b) { return lower(a) == lower(b); }) != text.end();
}

// The whole zip, refused unread when it is larger than any entry may be.
ZipStatus ReadZipFile(const std::string& path, std::string& zip) {
  uint64_t size;
  if (!FileSize(path, size)) return ZipStatus::kCannotRead;
  if (size > kMaxZipEntryBytes) return ZipStatus::kTooLarge;
  return ReadSmallFile(path, zip) ? ZipStatus::kOk : ZipStatus::kCannotRead;
}

// The CSV entry's date, or the zip file's own when its directory cannot be read.
int64_t ZipSourceTime(const std::string& path, const std::string& zip, SourceKind kind) {
  std::vector<ZipEntry> entries;
  if (ReadZipDirectory(zip, entries, nullptr) == ZipStatus::kOk) {
    if (const ZipEntry* csv = FindCsvEntry(entries, CsvNameInZip(kind))) return csv->time;
  }
  int64_t seconds = 0;
  FileWriteTime(path, seconds);
  return seconds;
}

bool FindSource(const std::string& directory, const char* name, SourceKind kind, Extraction& found) {
  const std::string path = directory + FindNameIgnoringCase(directory, name);
  if (!FileExists(path)) return false;
  found.kind = kind;
  found.source = path;
  std::string zip;
  if (IsZipKind(kind) && ReadZipFile(path, zip) == ZipStatus::kOk) {
    found.sourceTime = ZipSourceTime(path, zip, kind);
  } else if (!FileWriteTime(path, found.sourceTime)) {
    return false;
  }
  return true;
}

// The newest of `sources`, when `target` is missing or older than it.
void PlanTarget(const FileSet& files, std::initializer_list<std::pair<SourceKind, const char*>> sources,
                const std::string& target, std::vector<Extraction>& plan) {
  Extraction newest;
  bool any = false;
  for (const auto& source : sources) {
    Extraction candidate;
    if (!FindSource(files.directory, source.second, source.first, candidate)) continue;
    if (!any || candidate.sourceTime > newest.sourceTime) newest = candidate;
    any = true;
  }
  int64_t targetTime;
  if (!any || (FileWriteTime(target, targetTime) && targetTime >= newest.sourceTime)) return;
  newest.target = target;
  plan.push_back(newest);
}

ExtractionResult Refused(std::string message) {
  ExtractionResult result;
  result.message = std::move(message);
  return result;
}

ZipStatus ReadFromZip(const Extraction& extraction, std::string& csv, std::string& detail,
                      const BuildProgress& progress) {
  std::string zip;
  const ZipStatus read = ReadZipFile(extraction.source, zip);
  if (read != ZipStatus::kOk) return read;
  std::vector<ZipEntry> entries;
  const ZipStatus directory = ReadZipDirectory(zip, entries, &detail);
  if (directory != ZipStatus::kOk) return directory;
  const ZipEntry* entry = FindCsvEntry(entries, CsvNameInZip(extraction.kind));
  if (entry == nullptr) return ZipStatus::kNoCsv;
  return ExtractZipEntry(zip, *entry, csv, progress);
}

std::string ConversionMessage(const std::string& sourceName, const ImportResult& r) {
  std::string message = sourceName + kCannotConvert + std::to_string(r.line);
  if (r.status == ImportStatus::kNotUtf8) return message + kLineNotUtf8;
  char codePoint[16];
  std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(r.character));
  return message + kLineNoCp932 + codePoint;
}

}  // namespace

std::vector<Extraction> PlanExtractions(const FileSet& files) {
  std::vector<Extraction> plan;
  PlanTarget(files,
             {{SourceKind::kAddressZip, kAddressZipName},
              {SourceKind::kUtf8Zip, kUtf8ZipName},
              {SourceKind::kUtf8Csv, kUtf8EditionName}},
             files.addressFile, plan);
  PlanTarget(files, {{SourceKind::kOfficeZip, kOfficeZipName}}, files.officeFile, plan);
  return plan;
}

ExtractionResult RunExtraction(const Extraction& extraction, const BuildProgress& progress) {
  const std::string sourceName = BaseName(extraction.source);
  const bool convert = IsUtf8Kind(extraction.kind);
  // Reading takes the whole bar, or its first half when a conversion follows.
  const auto readProgress = [&](int position) {
    if (progress) progress(convert ? position / 2 : position);
  };
  std::string bytes;
  if (IsZipKind(extraction.kind)) {
    std::string detail;
    const ZipStatus status = ReadFromZip(extraction, bytes, detail, readProgress);
    if (status != ZipStatus::kOk) return Refused(ZipRefusalMessage(sourceName, status, detail));
  } else if (!ReadSmallFile(extraction.source, bytes)) {
    return Refused(sourceName + kCannotReadFile);
  }
  if (convert) {
    const int start = IsZipKind(extraction.kind) ? kBuildProgressMax / 2 : 0;
    const BuildProgress convertProgress = [&](int lines) {
      if (progress) progress(start + std::min(lines, kBuildProgressMax) * (kBuildProgressMax - start) / kBuildProgressMax);
    };
    std::string cp932;
    const ImportResult converted = ConvertUtf8Edition(bytes, cp932, convertProgress);
    if (converted.status != ImportStatus::kDone) {
      ExtractionResult refused = Refused(ConversionMessage(sourceName, converted));
      refused.conversion = converted;
      return refused;
    }
    bytes.swap(cp932);
  }
  if (!WriteFileReplacing(extraction.target, bytes)) return Refused(BaseName(extraction.target) + kCannotWriteFile);
  SetFileWriteTime(extraction.target, extraction.sourceTime);
  if (progress) progress(kBuildProgressMax);
  ExtractionResult done;
  done.done = true;
  return done;
}

Extraction PlanImport(const FileSet& files, const std::string& source, bool utf8Edition) {
  Extraction extraction;
  extraction.source = source;
  FileWriteTime(source, extraction.sourceTime);
  std::string head;
  ReadFileHead(source, kUtf8CheckBytes, head);
  const bool zipped = head.compare(0, kSignatureBytes, kZipSignature) == 0 ||
                      head.compare(0, kSignatureBytes, kEmptyZipSignature) == 0;
  if (zipped) {
    std::string zip;
    std::vector<ZipEntry> entries;
    const bool readable = ReadZipFile(source, zip) == ZipStatus::kOk &&
                          ReadZipDirectory(zip, entries, nullptr) == ZipStatus::kOk;
    const ZipEntry* csv = readable ? FindCsvEntry(entries, std::string()) : nullptr;
    const std::string name = BaseName(csv != nullptr ? csv->name : source);
    extraction.kind = ContainsIgnoringCase(name, "jigyosyo") ? SourceKind::kOfficeZip
                      : ContainsIgnoringCase(name, "utf")   ? SourceKind::kUtf8Zip
                                                            : SourceKind::kAddressZip;
    if (readable) extraction.sourceTime = ZipSourceTime(source, zip, extraction.kind);
  } else if (ContainsIgnoringCase(BaseName(source), "jigyosyo")) {
    extraction.kind = SourceKind::kOfficeCsv;
  } else {
    extraction.kind = utf8Edition || LooksLikeUtf8Edition(head) ? SourceKind::kUtf8Csv : SourceKind::kAddressCsv;
  }
  const bool office = extraction.kind == SourceKind::kOfficeZip || extraction.kind == SourceKind::kOfficeCsv;
  extraction.target = office ? files.officeFile : files.addressFile;
  return extraction;
}

}  // namespace datafiles
