// The 20-byte on-disk form of the range records: a 12-byte text field and
// two 32-bit signed little-endian integers.
#pragma once

#include <string>

#include "postal/ranges.h"

namespace datafiles {

void AppendRecord(std::string& out, const postal::PrefectureRange& record);
void AppendRecord(std::string& out, const postal::NumberRange& record);

// Reads record `index` of `bytes` into `record`; false (record untouched)
// when the bytes end before it.
bool ReadRecord(const std::string& bytes, int index, postal::PrefectureRange& record);
bool ReadRecord(const std::string& bytes, int index, postal::NumberRange& record);

// 100 records with keys "00".."99" and ranges -1, -1.
void InitNumberTable(postal::NumberRange (&table)[postal::kNumberRecords]);

}  // namespace datafiles
