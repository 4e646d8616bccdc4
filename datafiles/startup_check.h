// The start-up decision: is the address file there, and which index builds
// are due before the tables are loaded.
#pragma once

#include <string>

#include "datafiles/file_set.h"

namespace datafiles {

struct StartupPlan {
  bool addressFileMissing = false;
  bool addressFileUtf8 = false;  // Japan Post's UTF-8 edition: nothing is built from it
  bool addressFileNoLineEnds = false;  // no LF where a line must have ended: nothing is read
  bool buildCityList = false;
  bool buildPrefectureRanges = false;
  bool buildNumberRanges = false;  // rewrites both number files
  std::string currentDate;         // the address file's date, stored at exit
};

// The program's check: the data is fresh when the address file's date
// equals `storedDate` (ignoring case). A date that cannot be read is stale.
// A stale file runs every build; a fresh one builds only what is missing.
// An address file in the UTF-8 edition, or one whose lines do not end in LF
// (CR only), runs no build.
StartupPlan PlanStartup(const FileSet& files, const std::string& storedDate);

// The message (cp932, postal/texts.h) of a plan that reads nothing: no
// address file, the UTF-8 edition under its name, or no LF line ends;
// nullptr when the program can go on.
const char* StartupRefusal(const StartupPlan& plan);

// The same decision by file times, for tools without stored settings: a
// build is due when its file is missing or older than the address file.
StartupPlan PlanStartupByFileTimes(const FileSet& files);

// False when the start of the file shows no LF where the longest line the
// program reads must have ended (a file written with CR-only line ends).
bool HasLineEnds(const std::string& addressFile);

// True when `current` is a readable date equal to `stored`, ignoring case.
bool IsDataFresh(const std::string& current, const std::string& stored);

}  // namespace datafiles
