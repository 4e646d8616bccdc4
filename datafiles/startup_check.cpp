#include "datafiles/startup_check.h"

#include "postal/texts.h"

#include <cstdint>

#include "datafiles/file_access.h"
#include "datafiles/utf8_edition.h"
#include "postal/line_reader.h"

namespace datafiles {

namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

StartupPlan PlanFor(const FileSet& files, bool fresh) {
  StartupPlan plan;
  plan.buildCityList = !fresh || !FileExists(files.cityList);
  plan.buildPrefectureRanges = !fresh || !FileExists(files.prefectureRanges);
  plan.buildNumberRanges = !fresh || !FileExists(files.newNumberRanges) || !FileExists(files.oldNumberRanges);
  return plan;
}

// A file the builds must not read: an empty plan with the reason.
StartupPlan Unreadable(const std::string& addressFile) {
  StartupPlan plan;
  if (IsUtf8EditionFile(addressFile)) {
    plan.addressFileUtf8 = true;
  } else if (!HasLineEnds(addressFile)) {
    plan.addressFileNoLineEnds = true;
  }
  return plan;
}

bool IsUnreadable(const StartupPlan& plan) { return plan.addressFileUtf8 || plan.addressFileNoLineEnds; }

bool MissingOrOlder(const std::string& path, int64_t reference) {
  int64_t seconds;
  return !FileWriteTime(path, seconds) || seconds < reference;
}

}  // namespace

bool HasLineEnds(const std::string& addressFile) {
  // The longest line read whole, its CR and its LF.
  constexpr size_t kLineWithEnd = postal::kAddressLineBytes + 2;
  std::string head;
  if (!ReadFileHead(addressFile, kLineWithEnd, head)) return true;  // unreadable files are told apart elsewhere
  return head.size() < kLineWithEnd || head.find('\n') != std::string::npos;
}

bool IsDataFresh(const std::string& current, const std::string& stored) {
  if (current.empty() || current.size() != stored.size()) return false;
  for (size_t i = 0; i < current.size(); ++i) {
    if (LowerAscii(current[i]) != LowerAscii(stored[i])) return false;
  }
  return true;
}

StartupPlan PlanStartup(const FileSet& files, const std::string& storedDate) {
  if (!FileExists(files.addressFile)) {
    StartupPlan missing;
    missing.addressFileMissing = true;
    return missing;
  }
  const StartupPlan unreadable = Unreadable(files.addressFile);
  if (IsUnreadable(unreadable)) return unreadable;
  const std::string current = FileDate(files.addressFile);
  StartupPlan plan = PlanFor(files, IsDataFresh(current, storedDate));
  plan.currentDate = current;
  return plan;
}

StartupPlan PlanStartupByFileTimes(const FileSet& files) {
  int64_t addressTime;
  if (!FileExists(files.addressFile) || !FileWriteTime(files.addressFile, addressTime)) {
    StartupPlan missing;
    missing.addressFileMissing = true;
    return missing;
  }
  const StartupPlan unreadable = Unreadable(files.addressFile);
  if (IsUnreadable(unreadable)) return unreadable;
  StartupPlan plan;
  plan.buildCityList = MissingOrOlder(files.cityList, addressTime);
  plan.buildPrefectureRanges = MissingOrOlder(files.prefectureRanges, addressTime);
  plan.buildNumberRanges = MissingOrOlder(files.newNumberRanges, addressTime) ||
                           MissingOrOlder(files.oldNumberRanges, addressTime);
  plan.currentDate = FileDate(files.addressFile);
  return plan;
}

const char* StartupRefusal(const StartupPlan& plan) {
  if (plan.addressFileMissing) return postal::kNoAddressData;
  if (plan.addressFileUtf8) return postal::kUtf8EditionAdvice;
  if (plan.addressFileNoLineEnds) return postal::kAddressFileNoLineEnds;
  return nullptr;
}

}  // namespace datafiles
