// The main window: its class, its procedure and the message loop.
#pragma once

#include <windows.h>

#include <initializer_list>

namespace kuranto {

bool RegisterMainWindowClass(HINSTANCE instance);
// Registers the class if needed and creates the main window at the saved
// rectangle. nullptr when registration or creation fails.
HWND CreateMainWindow(HINSTANCE instance);
LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The module whose resources the window uses.
HINSTANCE WindowInstance(HWND window);
// The menu images; the caller destroys them.
HIMAGELIST LoadMenuImages(HINSTANCE instance);
// Runs the loop; the final wParam. Keys go first to whichever modeless
// dialog named in `modeless` is open and holds them, then through
// `accelerators`. The handles are read at each message.
int RunMessageLoop(HWND window, HACCEL accelerators, std::initializer_list<const HWND*> modeless);

}  // namespace kuranto
