// The detail dialogs of the Properties command: one result row's fields in
// edit boxes the user can copy from. Texts are cp932, exactly as stored in
// the record: no hyphen and no hiragana, whatever the display settings say.
#pragma once

#include <windows.h>

#include "postal/records.h"
#include "win32/buffer_sizes.h"

namespace kuranto {

constexpr int kDetailSlotCount = 9;

// DetailSlots: the texts a detail dialog shows. Address rows use slots 0-8
// (new number, old number, city code, prefecture, its kana, city, its kana,
// town, its kana); business rows 0-7 (number, old number, city code,
// prefecture, city, town and block, office name, its kana). A slot a dialog
// does not use keeps older text and is never shown.
struct DetailSlots {
  char text[kDetailSlotCount][kFieldBytes];
};

// The Properties command: the first selected row of whichever result list is
// visible, shown in its detail dialog, modal, owned by `owner` (whose module
// holds the templates). No selected row: nothing opens.
void ShowRowDetails(HWND owner, HWND addressList, HWND officeList, const postal::AddressRows& addressRows,
                    const postal::OfficeRows& officeRows);

// The dialogs themselves ("IDD_DIALOG2" address, "IDD_DIALOG3" business
// office). Only OK and Enter close them; Esc and the close box do not.
void ShowAddressDetails(HWND owner, const DetailSlots& slots);
void ShowOfficeDetails(HWND owner, const DetailSlots& slots);
// Their procedures; the dialogs' init parameter is the DetailSlots to show.
INT_PTR CALLBACK AddressDetailProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK OfficeDetailProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace kuranto
