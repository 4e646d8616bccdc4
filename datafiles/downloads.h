// Japan Post's downloads as they come: ken_all.zip, jigyosyo.zip and
// utf_ken_all.zip (any letter case) beside the program become the files it
// opens, before the start-up data check. Texts are cp932.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "datafiles/file_set.h"
#include "datafiles/index_build.h"
#include "datafiles/utf8_import.h"

namespace datafiles {

inline constexpr char kAddressZipName[] = "ken_all.zip";
inline constexpr char kOfficeZipName[] = "jigyosyo.zip";
inline constexpr char kUtf8ZipName[] = "utf_ken_all.zip";

enum class SourceKind {
  kAddressZip,  // ken_all.zip: KEN_ALL.CSV inside, copied as it is
  kUtf8Zip,     // utf_ken_all.zip: utf_ken_all.csv inside, converted
  kUtf8Csv,     // utf_ken_all.csv beside the program, converted
  kOfficeZip,   // jigyosyo.zip: JIGYOSYO.CSV inside, copied as it is
  kAddressCsv,  // KEN_ALL.CSV given to kuranto-query import, copied as it is
  kOfficeCsv,   // JIGYOSYO.CSV given to kuranto-query import, copied as it is
};

// One file to make from a download before the data check.
struct Extraction {
  SourceKind kind;
  std::string source;      // the zip's or utf_ken_all.csv's path
  std::string target;      // the address or office file's path
  int64_t sourceTime = 0;  // the CSV entry's date (a zip) or the file's, seconds since the epoch
};

// What the folder's downloads call for: for the address file the newest of
// ken_all.zip, utf_ken_all.zip and utf_ken_all.csv (by the date of the CSV
// inside a zip), when the address file is missing or older; for the office
// file jigyosyo.zip likewise. A zip whose directory cannot be read takes the
// zip file's own date, so that RunExtraction can say what is wrong with it.
std::vector<Extraction> PlanExtractions(const FileSet& files);

struct ExtractionResult {
  bool done = false;
  std::string message;  // when not done: what is wrong, naming the file (cp932)
  ImportResult conversion;  // a UTF-8 source that cannot be converted: where and why (else kDone)
};

// Makes `extraction.target` through a temporary file and a rename, dated
// `sourceTime`, so the next start finds it fresh and the stored date follows
// the source. A zip that is damaged or unsafe (truncated, a wrong CRC-32, an
// entry name that leaves the folder, no CSV inside, an encrypted entry, an
// entry that would inflate past what a Japan Post file can be) is refused
// and nothing is written.
ExtractionResult RunExtraction(const Extraction& extraction, const BuildProgress& progress);

// What `source`, a file given by name (kuranto-query import), becomes: a zip
// (by its content) by the name of the CSV inside (JIGYOSYO.CSV the office
// file; utf_ken_all.csv the address file, converted; any other the address
// file, copied), or by the zip's own name when its directory cannot be read;
// a CSV named jigyosyo.csv (any case) the office file, the UTF-8 edition
// (by its first lines, or always with `utf8Edition`) the address file,
// converted, any other the address file, copied. Dated as PlanExtractions
// dates a source.
Extraction PlanImport(const FileSet& files, const std::string& source, bool utf8Edition);

}  // namespace datafiles
