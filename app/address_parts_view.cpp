#include "app/address_parts_view.h"

#include <string_view>

#include "resolver/address_parts.h"
#include "resources/resource_ids.h"
#include "win32/clipboard.h"
#include "win32/form_controls.h"

namespace kuranto {

namespace {

// The boxes in the order of resolver::SplitPart.
constexpr int kPartBoxes[resolver::kSplitPartCount] = {
    IDC_PARTS_PREFECTURE, IDC_PARTS_CITY, IDC_PARTS_TOWN,     IDC_PARTS_SUBAREA,
    IDC_PARTS_CHOME,      IDC_PARTS_LOT,  IDC_PARTS_BUILDING,
};

void SetBox(HWND dialog, int id, std::string_view text) { SetDlgItemTextA(dialog, id, std::string(text).c_str()); }

}  // namespace

void ShowAddressParts(HWND dialog, const resolver::AddressBook& book, const resolver::Resolution& resolution,
                      const std::string& address) {
  resolver::AddressParts parts;
  if (!resolver::ReadAddressParts(book, resolution, address, parts)) {
    ClearAddressParts(dialog);
    return;
  }
  for (int i = 0; i < resolver::kSplitPartCount; ++i) SetBox(dialog, kPartBoxes[i], resolver::SplitPart(parts, i));
  SetBox(dialog, IDC_PARTS_NORMALIZED, parts.normalized);
  EnableWindow(GetDlgItem(dialog, IDC_PARTS_COPY), TRUE);
}

void ClearAddressParts(HWND dialog) {
  for (int id : kPartBoxes) SetBox(dialog, id, "");
  SetBox(dialog, IDC_PARTS_NORMALIZED, "");
  EnableWindow(GetDlgItem(dialog, IDC_PARTS_COPY), FALSE);
}

void CopyNormalizedAddress(HWND dialog) {
  const std::string line = WholeTextOf(GetDlgItem(dialog, IDC_PARTS_NORMALIZED));
  if (!line.empty()) PutTextOnClipboard(dialog, line);
}

}  // namespace kuranto
