#include <string>

#include "app/shell.h"
#include "postal/templates.h"

namespace kuranto {

// Rows are looked up in their own table: ResultCount belongs to the last
// search, which may have been on the other tab.

std::string FormatAddressRow(int row) {
  const postal::AddressRecord* record = g_app.addressRows.At(row);
  if (record == nullptr) return std::string();
  const Settings& s = g_app.settings;
  return postal::ExpandAddressTemplate(s.addressTemplate, *record, DisplayFlagsOf(s));
}

std::string FormatOfficeRow(int row) {
  const postal::OfficeRecord* record = g_app.officeRows.At(row);
  if (record == nullptr) return std::string();
  const Settings& s = g_app.settings;
  return postal::ExpandOfficeTemplate(s.officeTemplate, *record, DisplayFlagsOf(s));
}

}  // namespace kuranto
