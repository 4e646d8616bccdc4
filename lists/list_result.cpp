#include "lists/list_result.h"

namespace lists {

void CsvRowLines::Add(long line) {
  if (count < kNamedLines) lines[count] = line;
  ++count;
}

std::string CsvRowLines::Named() const {
  std::string named;
  for (size_t i = 0; i < count && i < kNamedLines; ++i) named += (i == 0 ? "" : ", ") + std::to_string(lines[i]);
  return named;
}

void CsvRowLines::Add(const CsvRowLines& later) {
  for (size_t i = 0; i < later.count && i < kNamedLines; ++i) {
    if (count + i < kNamedLines) lines[count + i] = later.lines[i];
  }
  count += later.count;
}

void AddressCounts::Add(const AddressCounts& later) {
  offices += later.offices;
  byStatus.Add(later.byStatus);
  byAgreement.Add(later.byAgreement);
}

void CsvCounts::Add(const CsvCounts& later) {
  rows += later.rows;
  notUtf8.Add(later.notUtf8);
  withNul.Add(later.withNul);
  tooShort.Add(later.tooShort);
  zeroAdded.Add(later.zeroAdded);
  addresses.Add(later.addresses);
  codes.Add(later.codes);
}

}  // namespace lists
