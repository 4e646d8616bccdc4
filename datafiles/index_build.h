// The three builds that derive the index files from the address file. Each
// makes one pass and returns the file's bytes; RunDueBuilds (due_builds.h)
// stores them (StoreIndexFile, index_store.h). `progress` (may be empty)
// receives line index / 100 as it changes.
#pragma once

#include <functional>
#include <string>

namespace datafiles {

using BuildProgress = std::function<void(int position)>;

// Progress bar range the builds are shown against.
constexpr int kBuildProgressMax = 1200;

// "shilist.txt": one line "PREFECTURECITY\n" per run of lines of one city.
// Empty when the address file cannot be opened.
std::string BuildCityList(const std::string& addressFile, const BuildProgress& progress);

// "h_ken.dat": one 20-byte record per run of lines of one prefecture, the
// first always named "北海道". Empty when the address file cannot be opened.
std::string BuildPrefectureRanges(const std::string& addressFile, const BuildProgress& progress);

// "h_newn.dat" and "h_oldn.dat": 100 records each, keys "00".."99".
struct NumberRangeFiles {
  std::string newNumbers;
  std::string oldNumbers;
};
NumberRangeFiles BuildNumberRanges(const std::string& addressFile, const BuildProgress& progress);

}  // namespace datafiles
