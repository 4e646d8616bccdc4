#include "datafiles/file_set.h"

#include "postal/text.h"

namespace datafiles {

std::string ProgramDirectory(const std::string& programPath) {
  std::string dir, name;
  postal::SplitPath(programPath, dir, name);
  if (!dir.empty()) postal::AppendBackslash(dir);
  return dir;
}

FileSet MakeFileSet(const std::string& directory) {
  FileSet f;
  f.directory = directory;
  f.addressFile = directory + kAddressFileName;
  f.officeFile = directory + kOfficeFileName;
  f.recordLog = directory + kRecordLogName;
  f.savedConditions = directory + kSavedConditionsName;
  f.areaCodes = directory + kAreaCodesName;
  f.cityList = directory + kCityListName;
  f.prefectureRanges = directory + kPrefectureRangesName;
  f.oldNumberRanges = directory + kOldNumberRangesName;
  f.newNumberRanges = directory + kNewNumberRangesName;
  return f;
}

}  // namespace datafiles
