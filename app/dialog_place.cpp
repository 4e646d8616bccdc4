#include "app/dialog_place.h"

namespace kuranto {

namespace {

// The work area of the screen nearest to `window`; false when none answers.
bool WorkAreaNear(HWND window, RECT& work) {
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) return false;
  work = monitor.rcWork;
  return true;
}

void MoveTopLeft(HWND dialog, int x, int y) {
  SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// x, y moved into `work` so that a window of width × height fits whole.
POINT Inside(const RECT& work, int x, int y, int width, int height) {
  if (x + width > work.right) x = work.right - width;
  if (y + height > work.bottom) y = work.bottom - height;
  return POINT{x < work.left ? work.left : x, y < work.top ? work.top : y};
}

}  // namespace

void PlaceBesideOwner(HWND dialog, HWND owner) {
  RECT own = {}, placed = {}, work = {};
  GetWindowRect(owner, &own);
  GetWindowRect(dialog, &placed);
  if (!WorkAreaNear(owner, work)) return;
  const int width = placed.right - placed.left, height = placed.bottom - placed.top;
  int x = own.right;
  if (x + width > work.right) x = own.left - width >= work.left ? own.left - width : work.right - width;
  const POINT at = Inside(work, x, own.top, width, height);
  MoveTopLeft(dialog, at.x, at.y);
}

void PlaceOnScreen(HWND dialog, int x, int y) {
  RECT placed = {};
  GetWindowRect(dialog, &placed);
  const int width = placed.right - placed.left, height = placed.bottom - placed.top;
  // Judged where it would stand: the screen nearest to that place.
  MoveTopLeft(dialog, x, y);
  RECT work = {};
  if (!WorkAreaNear(dialog, work)) return;
  const POINT at = Inside(work, x, y, width, height);
  if (at.x != x || at.y != y) MoveTopLeft(dialog, at.x, at.y);
}

}  // namespace kuranto
