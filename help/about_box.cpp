#include "help/about_box.h"

#include <cstdio>
#include <memory>

#include "resources/resource_ids.h"
#include "help/shell_open.h"
#include "win32/buffer_sizes.h"
#include "win32/fonts.h"
#include "win32/scoped.h"

namespace kuranto {

namespace {

constexpr int kHandCursorResource = 106;

// The link cursor, destroyed with the box when it is a private copy.
class LinkCursor {
 public:
  LinkCursor() : cursor_(LoadLinkCursor(&copied_)) {}
  ~LinkCursor() {
    if (copied_) DestroyCursor(cursor_);
  }
  LinkCursor(const LinkCursor&) = delete;
  LinkCursor& operator=(const LinkCursor&) = delete;
  HCURSOR get() const { return cursor_; }

 private:
  bool copied_ = false;
  HCURSOR cursor_;
};

// What one open About box holds, from WM_INITDIALOG until the box is gone.
struct AboutState {
  LinkCursor cursor;
  AutoDeleteFont linkFont;
};

AboutState* StateOf(HWND dialog) { return reinterpret_cast<AboutState*>(GetWindowLongPtrA(dialog, DWLP_USER)); }

bool IsLink(HWND dialog, HWND control) {
  return control != nullptr &&
         (control == GetDlgItem(dialog, IDC_ABOUT_HOME_PAGE) || control == GetDlgItem(dialog, IDC_ABOUT_MAIL));
}

void OnInitDialog(HWND dialog, LPARAM lParam) {
  auto state = std::make_unique<AboutState>();
  state->linkFont.reset(MakeFont(0, kLinkFontHeight, kLinkFontFace, FontLine::kUnderlined));
  // The statics select their own font after asking for their colours, so the
  // links get the link font as their own too.
  for (int id : {IDC_ABOUT_HOME_PAGE, IDC_ABOUT_MAIL}) {
    SendDlgItemMessageA(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(state->linkFont.get()), FALSE);
  }
  SetWindowLongPtrA(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(state.release()));

  const UserNameSource source = lParam != 0 ? reinterpret_cast<UserNameSource>(lParam) : LoggedOnUserName;
  char userLine[kUserLineBytes];
  std::snprintf(userLine, sizeof userLine, kUserLineFormat, source().c_str());
  SetDlgItemTextA(dialog, IDC_ABOUT_USER, userLine);
  SetDlgItemTextA(dialog, IDC_ABOUT_HOME_PAGE, kHomePageAddress);
  SetDlgItemTextA(dialog, IDC_ABOUT_MAIL, kMailAddress);
}

INT_PTR OnColorStatic(HWND dialog, HDC dc, HWND control) {
  const AboutState* state = StateOf(dialog);
  // The other statics keep the button face: a system colour brush is its index + 1.
  if (!IsLink(dialog, control)) return static_cast<INT_PTR>(COLOR_BTNFACE + 1);
  if (state != nullptr && state->linkFont.get() != nullptr) SelectObject(dc, state->linkFont.get());
  SetTextColor(dc, kLinkColor);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

INT_PTR OnSetCursor(HWND dialog, HWND under) {
  const AboutState* state = StateOf(dialog);
  if (state == nullptr || !IsLink(dialog, under)) return FALSE;
  SetCursor(state->cursor.get());
  SetWindowLongPtrA(dialog, DWLP_MSGRESULT, TRUE);
  return TRUE;
}

void OnCommand(HWND dialog, int id, int code) {
  switch (id) {
    case IDOK:
      EndDialog(dialog, 0);
      break;
    case IDC_ABOUT_HOME_PAGE:
      // A double click also sends STN_DBLCLK; one click opens one page.
      if (code == STN_CLICKED) OpenWithShell(kHomePageAddress);
      break;
    case IDC_ABOUT_MAIL:
      if (code == STN_CLICKED) OpenWithShell((std::string(kMailtoPrefix) + kMailAddress).c_str());
      break;
    default:
      // Esc and the close box send IDCANCEL: only OK closes the box.
      break;
  }
}

}  // namespace

std::string LoggedOnUserName() {
  char name[kUserNameBytes] = {};
  DWORD size = kUserNameBytes;
  if (!GetUserNameA(name, &size)) return std::string();
  return name;
}

void ShowAboutBox(HWND owner, HINSTANCE instance, UserNameSource userName) {
  DialogBoxParamA(instance, kAboutBoxResource, owner, AboutProc, reinterpret_cast<LPARAM>(userName));
}

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      OnInitDialog(dialog, lParam);
      return TRUE;
    case WM_CTLCOLORSTATIC:
      return OnColorStatic(dialog, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SETCURSOR:
      return OnSetCursor(dialog, reinterpret_cast<HWND>(wParam));
    case WM_COMMAND:
      OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_DESTROY:
      // The controls are gone or going; their font and the cursor go with the box.
      delete StateOf(dialog);
      SetWindowLongPtrA(dialog, DWLP_USER, 0);
      return FALSE;
    default:
      return FALSE;
  }
}

HCURSOR LoadLinkCursor(bool* copied) {
  if (copied != nullptr) *copied = false;
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  char viewer[MAX_PATH + 16];
  std::snprintf(viewer, sizeof viewer, "%s\\winhlp32.exe", windows);
  if (HMODULE module = LoadLibraryA(viewer)) {
    HCURSOR hand = LoadCursorA(module, MAKEINTRESOURCEA(kHandCursorResource));
    HCURSOR copy = hand != nullptr ? CopyIcon(hand) : nullptr;
    FreeLibrary(module);
    if (copy != nullptr) {
      if (copied != nullptr) *copied = true;
      return copy;
    }
  }
  return LoadCursor(nullptr, IDC_HAND);
}

}  // namespace kuranto
