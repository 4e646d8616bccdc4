#include "rows/detail_dialogs.h"

#include "resources/resource_ids.h"
#include "win32/list_view.h"

namespace kuranto {

namespace {

const char kAddressDialog[] = "IDD_DIALOG2";
const char kOfficeDialog[] = "IDD_DIALOG3";

// Shared by both dialogs and overwritten by each Properties command.
DetailSlots g_detailSlots;

struct DetailField {
  int control;
  int slot;
};

const DetailField kAddressFields[] = {
    {IDC_DETAIL_NUMBER, 0},     {IDC_DETAIL_OLD_NUMBER, 1},      {IDC_DETAIL_CITY_CODE, 2},
    {IDC_DETAIL_PREFECTURE, 3}, {IDC_DETAIL_PREFECTURE_KANA, 4}, {IDC_DETAIL_CITY, 5},
    {IDC_DETAIL_CITY_KANA, 6},  {IDC_DETAIL_TOWN, 7},            {IDC_DETAIL_TOWN_KANA, 8},
};

const DetailField kOfficeFields[] = {
    {IDC_DETAIL_NUMBER, 0},      {IDC_DETAIL_OLD_NUMBER, 1},   {IDC_DETAIL_CITY_CODE, 2},
    {IDC_DETAIL_PREFECTURE, 3},  {IDC_DETAIL_CITY, 4},         {IDC_DETAIL_TOWN, 5},
    {IDC_DETAIL_OFFICE_NAME, 6}, {IDC_DETAIL_OFFICE_KANA, 7},
};

void CopySlot(DetailSlots& slots, int slot, const char* text) {
  lstrcpynA(slots.text[slot], text, kFieldBytes);
}

template <size_t N>
INT_PTR DetailProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam, const DetailField (&fields)[N]) {
  switch (message) {
    case WM_INITDIALOG: {
      const auto* slots = reinterpret_cast<const DetailSlots*>(lParam);
      for (const DetailField& field : fields) SetDlgItemTextA(dialog, field.control, slots->text[field.slot]);
      return TRUE;
    }
    case WM_COMMAND:
      // Esc and the close box send IDCANCEL, which leaves the dialog open.
      if (LOWORD(wParam) == IDOK) EndDialog(dialog, 0);
      return TRUE;
    default:
      return FALSE;
  }
}

HINSTANCE ModuleOf(HWND window) { return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)); }

void FillAddressDetailSlots(const postal::AddressRecord& row, DetailSlots& slots) {
  const char* texts[] = {row.newNumber, row.oldNumber, row.cityCode, row.prefecture, row.prefectureKana,
                         row.city,      row.cityKana,  row.town,     row.townKana};
  for (int slot = 0; slot < kDetailSlotCount; ++slot) CopySlot(slots, slot, texts[slot]);
}

void FillOfficeDetailSlots(const postal::OfficeRecord& row, DetailSlots& slots) {
  const char* texts[] = {row.number, row.oldNumber, row.cityCode, row.prefecture,
                         row.city,   row.town,      row.name,     row.nameKana};
  for (int slot = 0; slot < kDetailSlotCount - 1; ++slot) CopySlot(slots, slot, texts[slot]);
}

}  // namespace

void ShowRowDetails(HWND owner, HWND addressList, HWND officeList, const postal::AddressRows& addressRows,
                    const postal::OfficeRows& officeRows) {
  if (IsWindowVisible(addressList)) {
    const postal::AddressRecord* row = addressRows.At(FirstSelectedItem(addressList));
    if (row == nullptr) return;
    FillAddressDetailSlots(*row, g_detailSlots);
    ShowAddressDetails(owner, g_detailSlots);
  }
  if (IsWindowVisible(officeList)) {
    const postal::OfficeRecord* row = officeRows.At(FirstSelectedItem(officeList));
    if (row == nullptr) return;
    FillOfficeDetailSlots(*row, g_detailSlots);
    ShowOfficeDetails(owner, g_detailSlots);
  }
}

void ShowAddressDetails(HWND owner, const DetailSlots& slots) {
  DialogBoxParamA(ModuleOf(owner), kAddressDialog, owner, AddressDetailProc, reinterpret_cast<LPARAM>(&slots));
}

void ShowOfficeDetails(HWND owner, const DetailSlots& slots) {
  DialogBoxParamA(ModuleOf(owner), kOfficeDialog, owner, OfficeDetailProc, reinterpret_cast<LPARAM>(&slots));
}

INT_PTR CALLBACK AddressDetailProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return DetailProc(dialog, message, wParam, lParam, kAddressFields);
}

INT_PTR CALLBACK OfficeDetailProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  return DetailProc(dialog, message, wParam, lParam, kOfficeFields);
}

}  // namespace kuranto
