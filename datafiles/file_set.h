// The files the program reads and writes, all in its own directory.
#pragma once

#include <string>

namespace datafiles {

// Names as the program opens them (cp932).
inline constexpr char kAddressFileName[] = "Ken_all.csv";
inline constexpr char kOfficeFileName[] = "Jigyosyo.csv";
inline constexpr char kRecordLogName[] = "kiroku.txt";
inline constexpr char kSavedConditionsName[] = "d_joken.dat";
inline constexpr char kAreaCodesName[] = "telnum.dat";
inline constexpr char kCityListName[] = "shilist.txt";
inline constexpr char kPrefectureRangesName[] = "h_ken.dat";
inline constexpr char kOldNumberRangesName[] = "h_oldn.dat";
inline constexpr char kNewNumberRangesName[] = "h_newn.dat";
inline constexpr char kLinksName[] = "kuranto.ini";
inline constexpr char kHelpName[] = "kuranto.hlp";
// The help as a web page, for systems that no longer open a .hlp file.
inline constexpr char kHelpPageName[] = "kuranto.html";

struct FileSet {
  std::string directory;  // ends in the path separator
  std::string addressFile;
  std::string officeFile;
  std::string recordLog;
  std::string savedConditions;
  std::string areaCodes;
  std::string cityList;
  std::string prefectureRanges;
  std::string oldNumberRanges;
  std::string newNumberRanges;
};

// The directory of a program's full path, ending in "\" (a trail byte 0x5C
// of a double-byte character does not count as the separator).
std::string ProgramDirectory(const std::string& programPath);

// Every path: `directory` (ending in its separator) followed by the name.
FileSet MakeFileSet(const std::string& directory);

}  // namespace datafiles
