// The telephone area-code table "telnum.dat" (shipped beside the program,
// never written): which places use an area code, for the area-place list.
// All texts are cp932.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace datafiles {

// Field widths of a parsed entry, terminator included.
inline constexpr size_t kAreaCodeWidth = 9;
inline constexpr size_t kAreaPrefectureWidth = 9;
inline constexpr size_t kAreaCityWidth = 34;
// The longest line the table holds, line end excluded; bytes beyond belong
// to no entry.
inline constexpr size_t kAreaLineBytes = 255;

// One line "AREACODE,PREFECTURE,CITY". Each field is cut at a character
// boundary to fit its width; further commas belong to the city.
struct AreaCodeEntry {
  char areaCode[kAreaCodeWidth];
  char prefecture[kAreaPrefectureWidth];
  char city[kAreaCityWidth];
};

// Splits one line (without its line end; only the first kAreaLineBytes
// count) at its first two commas. False, with `entry` emptied, when the line
// has fewer than two commas.
bool ParseAreaCodeLine(const char* line, size_t length, AreaCodeEntry& entry);

// Every valid entry of the table's bytes, in file order. A line ends at LF
// or CR LF; the last line needs no line end.
std::vector<AreaCodeEntry> ParseAreaCodes(const std::string& bytes);

// The area-place item of an entry: prefecture, one space, city.
std::string AreaPlaceItem(const AreaCodeEntry& entry);

// The items of the entries whose area code equals `typedNumber` as a whole
// (case-sensitive; a text longer than 8 bytes matches nothing), in file
// order. The file variant gives an empty list when the file cannot be read.
std::vector<std::string> AreaPlacesForBytes(const std::string& telnumBytes, const std::string& typedNumber);
std::vector<std::string> AreaPlacesFor(const std::string& telnumFile, const std::string& typedNumber);

}  // namespace datafiles
