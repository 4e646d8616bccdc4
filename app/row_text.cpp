#include <string>

#include "app/core_calls.h"
#include "app/shell.h"

namespace kuranto {

// Rows are looked up in their own table: ResultCount belongs to the last
// search, which may have been on the other tab.

std::string FormatAddressRow(int row) {
  const postal::AddressRecord* record = g_app.addressRows.At(row);
  if (record == nullptr) return std::string();
  const Settings& s = g_app.settings;
  return ExpandAddressRow(s.addressTemplate, *record, s.hyphen != 0, s.hiragana != 0);
}

std::string FormatOfficeRow(int row) {
  const postal::OfficeRecord* record = g_app.officeRows.At(row);
  if (record == nullptr) return std::string();
  const Settings& s = g_app.settings;
  return ExpandOfficeRow(s.officeTemplate, *record, s.hyphen != 0, s.hiragana != 0);
}

}  // namespace kuranto
