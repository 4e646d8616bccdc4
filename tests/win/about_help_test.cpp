// The About box and the help command: the template as the user sees it, the
// link colours and cursor, what reaches the shell, and which keys close the box.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "help/about_box.h"
#include "help/help.h"
#include "help/shell_open.h"
#include "tests/win/shell_test_support.h"

namespace {

constexpr char kAboutCaption[] = "バージョン情報";
constexpr INT_PTR kOpened = 42;

std::vector<std::string>& Opened() {
  static std::vector<std::string> opened;
  return opened;
}

// The shell as a test sees it: records the target; a .hlp file has no program.
INT_PTR RecordOpen(const char* target) {
  Opened().push_back(target);
  const std::string text = target;
  return text.size() > 4 && text.compare(text.size() - 4, 4, ".hlp") == 0 ? SE_ERR_NOASSOC : kOpened;
}

INT_PTR OpenAnything(const char* target) {
  Opened().push_back(target);
  return kOpened;
}

std::string TestUser() { return "山田"; }
std::string NoUser() { return ""; }

std::string TextOf(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

class AboutBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Opened().clear();
    kuranto::SetShellOpener(RecordOpen);
    owner_ = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
  }
  void TearDown() override {
    if (dialog_ != nullptr) DestroyWindow(dialog_);
    DestroyWindow(owner_);
    kuranto::SetShellOpener(nullptr);
  }

  // The box modeless, so the test can look at it while it is open.
  HWND Open(kuranto::UserNameSource user = TestUser) {
    dialog_ = CreateDialogParamA(GetModuleHandleA(nullptr), kuranto::kAboutBoxResource, owner_, kuranto::AboutProc,
                                 reinterpret_cast<LPARAM>(user));
    // Shown, so a close (which hides a modeless box) can be seen.
    ShowWindow(dialog_, SW_SHOWNORMAL);
    return dialog_;
  }

  // A rectangle of the template in dialog units, in the box's client pixels:
  // position and size are converted each on its own, as the box does.
  RECT Pixels(int x, int y, int width, int height) {
    RECT units = {x, y, width, height};
    MapDialogRect(dialog_, &units);
    return {units.left, units.top, units.left + units.right, units.top + units.bottom};
  }

  RECT ClientRectOf(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, dialog_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  }

  HWND owner_ = nullptr;
  HWND dialog_ = nullptr;
};

TEST_F(AboutBoxTest, TemplateHoldsTheTabledControls) {
  ASSERT_NE(nullptr, Open());
  EXPECT_EQ(kAboutCaption, TextOf(dialog_));
  RECT client;
  GetClientRect(dialog_, &client);
  const RECT size = Pixels(0, 0, 187, 123);
  EXPECT_EQ(size.right, client.right);
  EXPECT_EQ(size.bottom, client.bottom);
  LOGFONTA font = {};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0)), sizeof font, &font);
  EXPECT_STREQ("ＭＳ Ｐゴシック", font.lfFaceName);
  const LONG frame = GetWindowLongA(dialog_, GWL_STYLE);
  EXPECT_EQ(static_cast<LONG>(WS_CAPTION | WS_SYSMENU), frame & (WS_CAPTION | WS_SYSMENU));

  const struct {
    int id;
    const char* className;
    LONG typeMask;
    LONG kind;
    std::string text;
    int x, y, width, height;  // dialog units
    bool notify;
  } controls[] = {
      {IDOK, "Button", BS_TYPEMASK, BS_DEFPUSHBUTTON, "OK", 68, 102, 50, 14, false},
      {-1, "Static", SS_TYPEMASK, SS_LEFT, "クラント Version 1.33", 55, 19, 100, 8, false},
      {-1, "Static", SS_TYPEMASK, SS_ICON, "", 17, 19, 20, 20, false},
      {IDC_ABOUT_USER, "Static", SS_TYPEMASK, SS_LEFT, "使用者 : 山田", 55, 47, 89, 8, false},
      {IDC_ABOUT_HOME_PAGE, "Static", SS_TYPEMASK, SS_CENTER, kuranto::kHomePageAddress, 22, 71, 142, 8, true},
      {IDC_ABOUT_MAIL, "Static", SS_TYPEMASK, SS_CENTER, kuranto::kMailAddress, 37, 86, 112, 8, true},
  };
  HWND control = GetWindow(dialog_, GW_CHILD);
  for (const auto& expected : controls) {
    SCOPED_TRACE(expected.text);
    ASSERT_NE(nullptr, control);
    EXPECT_EQ(expected.id, static_cast<int>(static_cast<short>(GetDlgCtrlID(control))));
    EXPECT_EQ(0, lstrcmpiA(expected.className, ClassOf(control).c_str())) << ClassOf(control);
    const LONG style = GetWindowLongA(control, GWL_STYLE);
    EXPECT_EQ(expected.kind, style & expected.typeMask);
    EXPECT_EQ(expected.notify, (style & SS_NOTIFY) != 0);
    if (expected.kind != SS_ICON) {
      EXPECT_EQ(expected.text, TextOf(control));
    } else {
      EXPECT_NE(0, SendMessageA(control, STM_GETICON, 0, 0)) << "ICON1 shows";
    }
    const RECT want = Pixels(expected.x, expected.y, expected.width, expected.height);
    const RECT got = ClientRectOf(control);
    EXPECT_EQ(want.left, got.left);
    EXPECT_EQ(want.top, got.top);
    if (expected.kind != SS_ICON) {  // an icon static takes the icon's size
      EXPECT_EQ(want.right, got.right);
      EXPECT_EQ(want.bottom, got.bottom);
    }
    control = GetWindow(control, GW_HWNDNEXT);
  }
  EXPECT_EQ(nullptr, control) << "no further controls";
}

TEST_F(AboutBoxTest, UserLineFollowsItsSource) {
  const struct {
    kuranto::UserNameSource source;
    std::string line;
  } cases[] = {
      {NoUser, "使用者 : "},
      {kuranto::LoggedOnUserName, "使用者 : " + kuranto::LoggedOnUserName()},
  };
  EXPECT_FALSE(kuranto::LoggedOnUserName().empty());
  for (const auto& item : cases) {
    ASSERT_NE(nullptr, Open(item.source));
    EXPECT_EQ(item.line, TextOf(GetDlgItem(dialog_, IDC_ABOUT_USER)));
    DestroyWindow(dialog_);
    dialog_ = nullptr;
  }
}

TEST_F(AboutBoxTest, LinksAreBlueUnderlinedOnTheBoxBackgroundWithAHand) {
  ASSERT_NE(nullptr, Open());
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  ReleaseDC(nullptr, screen);
  HWND title = GetWindow(GetDlgItem(dialog_, IDOK), GW_HWNDNEXT);
  const HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);

  const struct {
    HWND control;
    bool link;
  } cases[] = {
      {GetDlgItem(dialog_, IDC_ABOUT_HOME_PAGE), true},
      {GetDlgItem(dialog_, IDC_ABOUT_MAIL), true},
      {GetDlgItem(dialog_, IDC_ABOUT_USER), false},
      {title, false},
  };
  for (const auto& item : cases) {
    SCOPED_TRACE(TextOf(item.control));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, OPAQUE);
    const INT_PTR brush = kuranto::AboutProc(dialog_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(item.control));
    SetCursor(arrow);
    SetWindowLongPtrA(dialog_, DWLP_MSGRESULT, 0);
    const INT_PTR handled = kuranto::AboutProc(dialog_, WM_SETCURSOR, reinterpret_cast<WPARAM>(item.control),
                                               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    if (item.link) {
      EXPECT_EQ(reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH)), brush);
      EXPECT_EQ(kuranto::kLinkColor, GetTextColor(dc));
      EXPECT_EQ(TRANSPARENT, GetBkMode(dc));
      LOGFONTA font = {};
      GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof font, &font);
      EXPECT_TRUE(font.lfUnderline);
      EXPECT_EQ(kuranto::kLinkFontHeight, font.lfHeight);
      EXPECT_STREQ(kuranto::kLinkFontFace, font.lfFaceName);
      // The control paints with it too.
      LOGFONTA own = {};
      GetObjectA(reinterpret_cast<HFONT>(SendMessageA(item.control, WM_GETFONT, 0, 0)), sizeof own, &own);
      EXPECT_TRUE(own.lfUnderline);
      EXPECT_EQ(TRUE, handled);
      EXPECT_EQ(TRUE, GetWindowLongPtrA(dialog_, DWLP_MSGRESULT));
      EXPECT_NE(nullptr, GetCursor());
      EXPECT_NE(arrow, GetCursor()) << "the hand, not the arrow";
    } else {
      EXPECT_EQ(COLOR_BTNFACE + 1, brush);
      EXPECT_EQ(OPAQUE, GetBkMode(dc));
      EXPECT_EQ(FALSE, handled) << "the default cursor applies";
    }
  }
  DeleteDC(dc);
}

TEST_F(AboutBoxTest, LinkClicksReachTheShellAndEscIsIgnored) {
  ASSERT_NE(nullptr, Open());
  kuranto::SetShellOpener(OpenAnything);
  const struct {
    WPARAM command;
    std::vector<std::string> opened;
  } cases[] = {
      {MAKEWPARAM(IDC_ABOUT_HOME_PAGE, STN_CLICKED), {kuranto::kHomePageAddress}},
      {MAKEWPARAM(IDC_ABOUT_MAIL, STN_CLICKED), {std::string("mailto:") + kuranto::kMailAddress}},
      {MAKEWPARAM(IDC_ABOUT_HOME_PAGE, STN_DBLCLK), {}},  // the click before it opened the page
      {MAKEWPARAM(IDCANCEL, BN_CLICKED), {}},
  };
  for (const auto& item : cases) {
    Opened().clear();
    EXPECT_EQ(TRUE, kuranto::AboutProc(dialog_, WM_COMMAND, item.command, 0));
    EXPECT_EQ(item.opened, Opened());
    EXPECT_TRUE(IsWindowVisible(dialog_));
  }
}

// The modal box driven by keys from a timer on its owner: Esc leaves it open,
// Enter closes it.
struct KeyScript {
  int tick = 0;
  bool openAfterEsc = false;
  bool closedByForce = false;
};
KeyScript g_script;

void CALLBACK PressKeys(HWND owner, UINT, UINT_PTR timer, DWORD) {
  HWND box = FindWindowA("#32770", kAboutCaption);
  if (box == nullptr) return;
  HWND focus = GetFocus();
  switch (++g_script.tick) {
    case 1:
      PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0);
      break;
    case 3:
      g_script.openAfterEsc = IsWindowVisible(box) != FALSE;
      PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 0);
      break;
    case 20:
      g_script.closedByForce = true;
      EndDialog(box, 0);
      KillTimer(owner, timer);
      break;
    default:
      break;
  }
}

TEST_F(AboutBoxTest, EscIsIgnoredAndEnterCloses) {
  g_script = KeyScript{};
  const UINT_PTR timer = SetTimer(owner_, 1, 50, PressKeys);
  kuranto::ShowAboutBox(owner_, GetModuleHandleA(nullptr));
  KillTimer(owner_, timer);
  EXPECT_TRUE(g_script.openAfterEsc);
  EXPECT_FALSE(g_script.closedByForce) << "Enter did not close the box";
  EXPECT_EQ(nullptr, FindWindowA("#32770", kAboutCaption));
}

TEST(HelpCommand, OpensTheHelpFileOrElseThePageBesideIt) {
  const struct {
    bool hlp;
    bool html;
    kuranto::ShellOpener shell;
    std::vector<std::string> opened;  // names beside the program
  } cases[] = {
      {false, true, RecordOpen, {"kuranto.html"}},
      {true, true, RecordOpen, {"kuranto.hlp", "kuranto.html"}},  // no program opens .hlp
      {true, true, OpenAnything, {"kuranto.hlp"}},
      {true, false, RecordOpen, {"kuranto.hlp"}},
      {false, false, RecordOpen, {}},
  };
  for (const auto& item : cases) {
    shell_test::TempDir dir;
    if (item.hlp) dir.Write("kuranto.hlp", "help");
    if (item.html) dir.Write("kuranto.html", "<html></html>");
    Opened().clear();
    kuranto::SetShellOpener(item.shell);
    kuranto::ShowHelp(dir.path());
    std::vector<std::string> expected;
    for (const std::string& name : item.opened) expected.push_back(dir.File(name));
    EXPECT_EQ(expected, Opened()) << "hlp " << item.hlp << " html " << item.html;
  }
  kuranto::SetShellOpener(nullptr);
}

class HelpMenuTest : public shell_test::ShellTest {};

TEST_F(HelpMenuTest, HelpCommandOpensThePageBesideTheProgram) {
  WriteSampleFiles();
  dir_.Write("kuranto.html", "<html></html>");
  StartFresh();
  Opened().clear();
  kuranto::SetShellOpener(RecordOpen);
  Command(IDM_HELP);
  kuranto::SetShellOpener(nullptr);
  EXPECT_EQ(std::vector<std::string>{dir_.File("kuranto.html")}, Opened());
}

}  // namespace
