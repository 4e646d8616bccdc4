// the 住所の一覧から郵便番号 dialog, modeless, owned
#pragma once

#include <windows.h>

#include "app/app_state.h"

namespace kuranto {

// by the main window: a pasted column of addresses answered row by row.
void ShowAddressListDialog(HWND window, AppState& app);

}  // namespace kuranto
