// The line-range records of the index files, as they lie on disk (20 bytes,
// little-endian integers) and as the searches read them.
#pragma once

#include <cstdint>

namespace postal {

constexpr int kPrefectureRecords = 47;
constexpr int kNumberRecords = 100;
constexpr int kRangeRecordBytes = 20;

// A run of lines of one prefecture: lines first..last (numbers from 1).
struct PrefectureRange {
  char name[12];
  int32_t first;
  int32_t last;
};

// Lines whose code begins with the two digits of `key`. Numbered from 1,
// `first` is the line before the first match (so a search starting there
// reads one line more, as the stored files always had it) and `end` is the
// last match. Both -1 when no line has such a code.
struct NumberRange {
  char key[12];
  int32_t first;
  int32_t end;
};

// The three tables the address search reads; all zero until loaded.
struct IndexTables {
  PrefectureRange prefectures[kPrefectureRecords];
  NumberRange newNumbers[kNumberRecords];
  NumberRange oldNumbers[kNumberRecords];
};

}  // namespace postal
