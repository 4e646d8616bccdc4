// One pass over a CSV file before its work: its encoding decided, a quoted
// cell never closed found, and its rows cut into blocks that can be worked
// on apart, in flat memory whatever the file's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "lists/csv_encoding.h"
#include "lists/csv_input.h"

namespace lists {

// The rows of a block reach past this size by less than a row.
constexpr size_t kBlockBytes = 256 * 1024;

struct CsvBlock {
  uint64_t begin = 0;  // offset of its first row
  uint64_t end = 0;    // offset past its last row's line end
  long line = 1;       // the line its first row starts on
};

struct CsvSurvey {
  EncodingDecision encoding;
  long unclosedQuoteLine = 0;  // the line on which that row starts; 0: every quote closes
  // Every row in order from past the byte order mark; the first block holds
  // the first row that is not blank.
  std::vector<CsvBlock> blocks;
  uint64_t size = 0;
  size_t widest = 0;  // the most cells of any row

};

// Reads `input` from where it stands to its end, calling `tick` between
// pieces. Stops early, returning false, when `tick` returns false or the input
// fails; it also stops at an encoding not decided (true, survey.encoding
// says so), for nothing after it matters. Cells are split at `separator`
// as CsvReader splits them. `blockBytes` other than kBlockBytes is for
// tests: 1 makes each row a block.
bool SurveyCsv(CsvInput& input, CsvSurvey& survey, const std::function<bool()>& tick, char separator = ',',
               size_t blockBytes = kBlockBytes);

// The encoding the survey would decide, from the first bytes of a file only
// (whole lines, or the whole file): what a first look at the file shows.
EncodingDecision DecideHeadEncoding(const char* data, size_t size);

}  // namespace lists
