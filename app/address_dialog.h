// the 住所から郵便番号 dialog, modeless, owned by the
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace kuranto {

// main window; its answers go to the address list.
void ShowAddressDialog(HWND window, AppState& app);
// The address file read for resolving; nullptr, with the user told, when it
// cannot be read.
const resolver::AddressBook* LoadedBook(HWND owner, AppState& app);
// Empties what the main window showed of the last answer: the display box,
// the status bar and both result lists.
void ClearMainAnswer(HWND window, AppState& app);
// Shows `resolution` in the address page in place of the last answer: its
// rows, the first selected unless ambiguous, and what it means in the status bar.
void ShowResolution(HWND window, AppState& app, const resolver::Resolution& resolution);

}  // namespace kuranto
