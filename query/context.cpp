#include "query/context.h"

#include <cstdio>
#include <cstring>

#include "encoding/cp932_encode.h"
#include "datafiles/downloads.h"
#include "datafiles/file_access.h"
#include "datafiles/due_builds.h"
#include "datafiles/index_load.h"
#include "datafiles/startup_check.h"
#include "encoding/text_encoding.h"
#include "postal/templates.h"
#include "postal/texts.h"
#include "query/json_rows.h"

namespace query {

namespace {

std::string WithSeparator(const std::string& dir) {
  if (dir.empty()) return "./";
  const char last = dir.back();
  return (last == '/' || last == '\\') ? dir : dir + "/";
}

void WriteLine(std::FILE* stream, std::string text) {
  text += '\n';
  std::fwrite(text.data(), 1, text.size(), stream);
}

void Print(std::FILE* stream, bool utf8, const std::string& cp932) {
  std::string text = cp932;
  if (utf8) {
    std::string converted;
    if (encoding::Cp932ToUtf8(cp932, converted)) text.swap(converted);
  }
  WriteLine(stream, text);
}

template <class Record>
std::string JoinSlots(const Record& row, int count, const char* (*slot)(const Record&, int)) {
  std::string line;
  for (int i = 0; i < count; ++i) {
    if (i > 0) line += '\t';
    line += slot(row, i);
  }
  return line;
}

}  // namespace

Context::Context(const Options& options)
    : options_(options), lock_(std::make_shared<datafiles::FolderLock>(WithSeparator(options.dir))) {
  const std::string dir = WithSeparator(options.dir);
  files_ = datafiles::MakeFileSet(dir);
  files_.addressFile = dir + datafiles::FindNameIgnoringCase(dir, datafiles::kAddressFileName);
  files_.officeFile = dir + datafiles::FindNameIgnoringCase(dir, datafiles::kOfficeFileName);
  std::memset(&tables_, 0, sizeof tables_);
}

bool Context::Argument(const std::string& raw, std::string& cp932) const {
  if (!options_.utf8Arguments) {
    cp932 = raw;
    return true;
  }
  if (encoding::Utf8ToCp932(raw, cp932)) return true;
  std::fprintf(stderr, "kuranto-query: not UTF-8 text that cp932 can hold: %s\n", raw.c_str());
  return false;
}

int UsageError(const std::string& what) {
  std::fprintf(stderr, "kuranto-query: %s (kuranto-query --help tells the rest)\n", what.c_str());
  return kExitUsage;
}

void Context::PrintLine(const std::string& cp932) const {
  if (options_.json) {
    WriteLine(stdout, JsonString(ToUtf8Text(cp932)));
    return;
  }
  Print(stdout, options_.utf8, cp932);
}
void Context::PrintError(const std::string& cp932) const { Print(stderr, options_.utf8, cp932); }
void Context::PrintText(const std::string& text) const { WriteLine(stdout, text); }

void Context::LockFolder() {
  if (lock_->TryLock()) return;
  std::fprintf(stderr, "kuranto-query: another program is using %s; waiting for it to finish\n", options_.dir.c_str());
  std::fflush(stderr);
  lock_->Lock();
}

int Context::ExtractDownloads() {
  if (datafiles::PlanExtractions(files_).empty()) return kExitOk;
  LockFolder();
  int code = kExitOk;
  // Planned again under the lock: the program that held it may have done it.
  for (const datafiles::Extraction& extraction : datafiles::PlanExtractions(files_)) {
    const datafiles::ExtractionResult r = datafiles::RunExtraction(extraction, {});
    // The new address file carries its source's older date: the index files
    // would look fresh by their times.
    if (r.done && extraction.target == files_.addressFile) rebuildAll_ = true;
    if (r.done) continue;
    PrintError(r.message);
    code = kExitNoData;
  }
  return code;
}

namespace {

int RefuseMissingData(const Context& context, const datafiles::StartupPlan& plan) {
  const char* refusal = datafiles::StartupRefusal(plan);
  if (refusal == nullptr) return kExitOk;
  context.PrintError(refusal);
  if (plan.addressFileUtf8) {
    std::fprintf(stderr, "kuranto-query: %s is Japan Post's UTF-8 edition; convert it with: kuranto-query import-utf8 FILE\n",
                 context.files().addressFile.c_str());
  } else if (plan.addressFileNoLineEnds) {
    std::fprintf(stderr, "kuranto-query: %s has no LF line ends; nothing is read from it\n",
                 context.files().addressFile.c_str());
  }
  return kExitNoData;
}

}  // namespace

int Context::RequireAddressFile() {
  const int extracted = ExtractDownloads();
  if (extracted != kExitOk) return extracted;
  return RefuseMissingData(*this, datafiles::PlanStartupByFileTimes(files_));
}

int Context::PrepareIndexes(datafiles::BuildScope scope) {
  const int extracted = ExtractDownloads();
  if (extracted != kExitOk) return extracted;
  if (rebuildAll_) scope = datafiles::BuildScope::kEvery;
  const bool all = scope == datafiles::BuildScope::kEvery;
  datafiles::StartupPlan plan = datafiles::PlanStartupByFileTimes(files_);
  const int refused = RefuseMissingData(*this, plan);
  if (refused != kExitOk) return refused;
  if (all || plan.buildCityList || plan.buildPrefectureRanges || plan.buildNumberRanges) {
    LockFolder();
    plan = datafiles::PlanStartupByFileTimes(files_);
  }
  datafiles::HeldIndexFiles held;
  const auto runNow = [](datafiles::IndexBuild, const std::function<void(const datafiles::BuildProgress&)>& work) {
    work(datafiles::BuildProgress());
  };
  // A build whose file cannot be written is used from memory for this run.
  for (const std::string& path : datafiles::RunDueBuilds(files_, plan, scope, held, runNow)) {
    std::fprintf(stderr, "kuranto-query: cannot write %s; using the index built in memory\n", path.c_str());
  }
  cityList_ = datafiles::IndexFileBytes(files_.cityList, held);
  datafiles::LoadIndexTables(files_, held, tables_);
  return kExitOk;
}

postal::DisplayFlags Context::displayFlags() const {
  postal::DisplayFlags flags;
  flags.hyphen = options_.hyphen;
  flags.hiragana = options_.hiragana;
  return flags;
}

void Context::PrintAddressRow(const postal::AddressRecord& row) const {
  if (options_.json) {
    WriteLine(stdout, AddressRowJson(row));
    return;
  }
  if (options_.useTemplate) {
    PrintLine(postal::ExpandAddressTemplate(options_.templateText, row, displayFlags()));
    return;
  }
  PrintLine(JoinSlots<postal::AddressRecord>(row, postal::kAddressSlotCount, postal::AddressSlot));
}

void Context::PrintOfficeRow(const postal::OfficeRecord& row) const {
  if (options_.json) {
    WriteLine(stdout, OfficeRowJson(row));
    return;
  }
  if (options_.useTemplate) {
    PrintLine(postal::ExpandOfficeTemplate(options_.templateText, row, displayFlags()));
    return;
  }
  PrintLine(JoinSlots<postal::OfficeRecord>(row, postal::kOfficeSlotCount, postal::OfficeSlot));
}

}  // namespace query
