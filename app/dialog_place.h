// Where the modeless dialogs open: beside the main window, whose result
// lists show their answers, or where the user last put them.
#pragma once

#include <windows.h>

namespace kuranto {

// Beside `owner` where the screen has room (right, else left), else as far
// from it as the screen lets.
void PlaceBesideOwner(HWND dialog, HWND owner);
// Its top left at (x, y), moved as little as keeps it whole on the nearest
// screen (one that has gone since leaves it on another).
void PlaceOnScreen(HWND dialog, int x, int y);

}  // namespace kuranto
