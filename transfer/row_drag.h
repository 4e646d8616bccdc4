// Dragging a result row out of its list as text, into any program that
// takes dropped text.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>

#include "postal/records.h"
#include "postal/templates.h"

namespace kuranto {

// The drag that LVN_BEGINDRAG of a result list starts: the list's first
// selected row (not the item the notification names), rendered through
// `templateText` (cp932) with the display flags, goes out as CF_TEXT with
// copy as the only effect. Returns when the drop or the cancel has happened.
// Nothing starts without a selected row of `rows`, without `source`, or
// without memory for the data object.
void BeginRowDrag(HWND list, const postal::AddressRows& rows, const std::string& templateText,
                  const postal::DisplayFlags& flags, IDropSource* source);
void BeginRowDrag(HWND list, const postal::OfficeRows& rows, const std::string& templateText,
                  const postal::DisplayFlags& flags, IDropSource* source);

// Drags `text` (cp932, cut to 999 bytes) out as CF_TEXT, copy only.
void DragText(const char* text, IDropSource* source);

}  // namespace kuranto
