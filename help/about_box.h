// The About box "IDD_DIALOG1": the version, the logged-on user's name and the
// program's home page and mail address as links that the shell opens.
// Texts are cp932.
#pragma once

#include <windows.h>

#include <string>

namespace kuranto {

inline constexpr char kAboutBoxResource[] = "IDD_DIALOG1";
inline constexpr char kUserLineFormat[] = "使用者 : %s";
inline constexpr char kHomePageAddress[] = "https://kuranto.example.jp/";
inline constexpr char kMailAddress[] = "kuranto@example.jp";
inline constexpr char kMailtoPrefix[] = "mailto:";

// The link lines: pure blue, underlined "ＭＳ ゴシック" of height 12.
constexpr COLORREF kLinkColor = 0x00FF0000;
constexpr int kLinkFontHeight = 12;
inline constexpr char kLinkFontFace[] = "ＭＳ ゴシック";

// Where the user line's name comes from; "" when it cannot be read.
using UserNameSource = std::string (*)();
// GetUserNameA.
std::string LoggedOnUserName();

// Runs the About box modally from `instance`'s template, owned by `owner`.
void ShowAboutBox(HWND owner, HINSTANCE instance, UserNameSource userName = LoggedOnUserName);

// The box's dialog procedure. The WM_INITDIALOG lParam is the UserNameSource
// (0: LoggedOnUserName).
INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The pointing hand shown over the links: a copy of cursor 106 of the help
// viewer "winhlp32.exe" in the Windows folder (`*copied` true: the caller
// destroys it), or where the viewer has none the system's shared hand.
HCURSOR LoadLinkCursor(bool* copied = nullptr);

}  // namespace kuranto
