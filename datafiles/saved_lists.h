// The two lists kept between runs: the saved search conditions
// ("d_joken.dat") and the record log ("kiroku.txt"). Both are cp932 text
// files, one row per line, each line ended by a single LF; a CR LF pair reads
// as one line end too.
#pragma once

#include <string>
#include <vector>

namespace datafiles {

// The limits of what the lists hold and the files keep.
constexpr size_t kConditionCellBytes = 255;
constexpr size_t kRecordRowBytes = 999;  // one rendered row
constexpr int kConditionCells = 5;

// One row of the conditions list: kind, choice, items 1 to 3.
struct ConditionRow {
  std::string cells[kConditionCells];
};

// Lines "%s,%s,%s,%s,%s\n". Each cell is cut at its first line end or zero
// byte (such a cell could not be read back) and to kConditionCellBytes at a
// character boundary. A comma inside a cell is written as it is.
std::string FormatSavedConditions(const std::vector<ConditionRow>& rows);

// Cuts each line at its first four commas; later commas belong to the last
// cell, so a comma in an earlier cell shifts the following cells. A line of
// any length comes back whole. A line with fewer than four commas fills its
// first cells and leaves the rest empty; an empty line is no row (the
// program never writes one).
std::vector<ConditionRow> ParseSavedConditions(const std::string& bytes);

// Each row followed by LF, cut at its first line end or zero byte and to
// kRecordRowBytes at a character boundary.
std::string FormatRecordLog(const std::vector<std::string>& rows);

// Every line is a row, an empty one included; a last line without its LF
// counts when it is not empty.
std::vector<std::string> ParseRecordLog(const std::string& bytes);

// A file that cannot be read gives no rows.
std::vector<ConditionRow> LoadSavedConditions(const std::string& path);
std::vector<std::string> LoadRecordLog(const std::string& path);

// Rewrite the whole file through a temporary file, so a failed save leaves
// the old file as it was. False when the file could not be written.
bool SaveConditions(const std::string& path, const std::vector<ConditionRow>& rows);
bool SaveRecordLog(const std::string& path, const std::vector<std::string>& rows);

}  // namespace datafiles
