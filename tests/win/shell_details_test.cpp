// The Properties command: the detail dialogs of a result row, opened from the
// main menu and from a list's pop-up menu, and their templates.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "postal/records.h"
#include "tests/win/shell_test_support.h"

namespace {

using shell_test::ShellTest;

// Ids of every edit box either dialog may have.
const int kEditIds[] = {
    IDC_DETAIL_NUMBER, IDC_DETAIL_OLD_NUMBER, IDC_DETAIL_CITY_CODE, IDC_DETAIL_PREFECTURE, IDC_DETAIL_PREFECTURE_KANA,
    IDC_DETAIL_CITY,   IDC_DETAIL_CITY_KANA,  IDC_DETAIL_TOWN,      IDC_DETAIL_TOWN_KANA,  IDC_DETAIL_OFFICE_NAME,
    IDC_DETAIL_OFFICE_KANA,
};

// What a timer saw of a detail dialog while it was open.
struct SeenDialog {
  HWND dialog = nullptr;
  std::map<int, std::string> boxes;  // edit id -> text, for the ids the dialog has
  bool openAfterEscape = false;
  bool openAfterCloseBox = false;
  bool closedByEnter = false;
};

// Drives what the command opens from a thread timer, which runs inside the
// pop-up menu's and the dialog's own message loops: in a pop-up menu it
// chooses the last item (Up, Enter); in a dialog it reads the boxes, presses
// Esc, then the close box, then Enter.
class DetailDriver {
 public:
  static SeenDialog Run(HWND window, const std::function<void()>& command) {
    seen_ = SeenDialog{};
    main_ = window;
    step_ = 0;
    ticks_ = 0;
    menuChosen_ = false;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, Tick);
    command();
    // A pop-up menu's choice arrives as a posted command.
    for (int i = 0; i < 10; ++i) {
      shell_test::Pump();
      Sleep(20);
    }
    KillTimer(nullptr, timer);
    return seen_;
  }

 private:
  static void PostKey(HWND to, WPARAM key) {
    PostMessageA(to, WM_KEYDOWN, key, 1);
    PostMessageA(to, WM_KEYUP, key, 0xC0000001);
  }

  static HWND OpenDialog() {
    HWND popup = GetLastActivePopup(main_);
    if (popup == main_ || popup == nullptr) return nullptr;
    char className[16] = {};
    GetClassNameA(popup, className, sizeof className);
    return lstrcmpA(className, "#32770") == 0 ? popup : nullptr;
  }

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    const bool inMenu =
        GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & (GUI_INMENUMODE | GUI_POPUPMENUMODE));
    if (++ticks_ > kGiveUpTicks) {
      // Whatever is still open must not hang the suite.
      if (inMenu) EndMenu();
      if (HWND dialog = OpenDialog()) EndDialog(dialog, 0);
      return;
    }
    if (inMenu) {
      if (!menuChosen_) {
        PostKey(main_, VK_UP);  // from no choice to the last item
        PostKey(main_, VK_RETURN);
        menuChosen_ = true;
      }
      return;
    }
    HWND dialog = OpenDialog();
    switch (step_) {
      case 0:
        if (dialog == nullptr) return;
        seen_.dialog = dialog;
        for (int id : kEditIds) {
          if (HWND box = GetDlgItem(dialog, id)) seen_.boxes[id] = shell_test::TextOf(box);
        }
        PostKey(GetFocus(), VK_ESCAPE);
        step_ = 1;
        return;
      case 1:
        seen_.openAfterEscape = dialog == seen_.dialog;
        PostMessageA(seen_.dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        step_ = 2;
        return;
      case 2:
        seen_.openAfterCloseBox = dialog == seen_.dialog;
        PostKey(GetFocus(), VK_RETURN);
        step_ = 3;
        return;
      case 3:
        if (dialog == nullptr) {
          seen_.closedByEnter = true;
          step_ = 4;
        }
        return;
      default:
        return;
    }
  }

  static constexpr int kGiveUpTicks = 100;
  static SeenDialog seen_;
  static HWND main_;
  static int step_;
  static int ticks_;
  static bool menuChosen_;
};

SeenDialog DetailDriver::seen_;
HWND DetailDriver::main_ = nullptr;
int DetailDriver::step_ = 0;
int DetailDriver::ticks_ = 0;
bool DetailDriver::menuChosen_ = false;

class ShellDetailsTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteSampleFiles();
    StartFresh();
  }

  HWND ListOfTab(int tab) const { return tab == 0 ? c().addressList : c().officeList; }

  SeenDialog FromMenu() {
    return DetailDriver::Run(window_, [&] { SendMessageA(window_, WM_COMMAND, IDM_PROPERTIES, 0); });
  }

  SeenDialog FromPopup(HWND list, int row) {
    RECT r = {};
    r.left = LVIR_BOUNDS;
    SendMessageA(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    POINT at = {r.left + 20, (r.top + r.bottom) / 2};
    ClientToScreen(list, &at);
    return DetailDriver::Run(window_, [&] {
      SendMessageA(window_, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y));
    });
  }
};

// The stored slots of the sample rows, whatever the display settings.
const std::map<int, std::string> kAddressRow1 = {
    {IDC_DETAIL_NUMBER, "1076090"},
    {IDC_DETAIL_OLD_NUMBER, "107"},
    {IDC_DETAIL_CITY_CODE, "13103"},
    {IDC_DETAIL_PREFECTURE, "東京都"},
    {IDC_DETAIL_PREFECTURE_KANA, "ﾄｳｷｮｳﾄ"},
    {IDC_DETAIL_CITY, "港区"},
    {IDC_DETAIL_CITY_KANA, "ﾐﾅﾄｸ"},
    {IDC_DETAIL_TOWN, "赤坂アークヒルズ"},
    {IDC_DETAIL_TOWN_KANA, "ｱｶｻｶｱｰｸﾋﾙｽﾞ"},
};
const std::map<int, std::string> kOfficeRow0 = {
    {IDC_DETAIL_NUMBER, "1008799"},
    {IDC_DETAIL_OLD_NUMBER, "100  "},  // the business file's trailing blanks are kept
    {IDC_DETAIL_CITY_CODE, "13101"},
    {IDC_DETAIL_OFFICE_NAME, "株式会社サンプル"},
    {IDC_DETAIL_OFFICE_KANA, "ｶﾌﾞｼｷｶﾞｲｼｬ ｻﾝﾌﾟﾙ"},
    {IDC_DETAIL_PREFECTURE, "東京都"},
    {IDC_DETAIL_CITY, "千代田区"},
    {IDC_DETAIL_TOWN, "丸の内１丁目１"},
};

TEST_F(ShellDetailsTest, EveryBoxHoldsItsStoredSlot) {
  struct Case {
    const char* name;
    int tab;
    const char* number;
    int row;
    bool popup;
    bool converted;  // hyphen and hiragana display on
    const std::map<int, std::string>* boxes;
  };
  const Case cases[] = {
      {"address, menu", 0, "107", 1, false, false, &kAddressRow1},
      {"address, pop-up", 0, "107", 1, true, false, &kAddressRow1},
      {"address, pop-up, converted display", 0, "107", 1, true, true, &kAddressRow1},
      {"business, menu", 1, "100", 0, false, false, &kOfficeRow0},
      {"business, pop-up", 1, "100", 0, true, false, &kOfficeRow0},
      {"business, menu, converted display", 1, "100", 0, false, true, &kOfficeRow0},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    kuranto::g_app.settings.hyphen = k.converted;
    kuranto::g_app.settings.hiragana = k.converted;
    SwitchTab(k.tab);
    SearchNumber(postal::kNewNumber, k.number);
    HWND list = ListOfTab(k.tab);
    ASSERT_GT(shell_test::ItemCount(list), k.row);
    shell_test::SelectItems(list, {k.row});
    const SeenDialog seen = k.popup ? FromPopup(list, k.row) : FromMenu();
    ASSERT_NE(nullptr, seen.dialog) << "no detail dialog opened";
    EXPECT_EQ(*k.boxes, seen.boxes);
    EXPECT_TRUE(seen.openAfterEscape) << "Esc closed the dialog";
    EXPECT_TRUE(seen.openAfterCloseBox) << "the close box closed the dialog";
    EXPECT_TRUE(seen.closedByEnter) << "Enter did not close the dialog";
  }
}

TEST_F(ShellDetailsTest, NothingOpensWithoutASelectedRowOnAResultTab) {
  SearchNumber(postal::kNewNumber, "107");
  shell_test::SelectItems(c().addressList, {});
  EXPECT_EQ(nullptr, FromMenu().dialog);
  // A row selected on a tab that is not showing does not count.
  shell_test::SelectItems(c().addressList, {0});
  SwitchTab(2);
  EXPECT_EQ(nullptr, FromMenu().dialog);
}

// The dialog templates as built into the program, read back field by field.
struct TemplateItem {
  DWORD style;
  short x, y, cx, cy;
  WORD id;
  WORD classAtom;  // 0x80 button, 0x81 edit, 0x82 static
  std::wstring text;
};

struct DialogTemplate {
  DWORD style;
  short cx, cy;
  std::wstring caption;
  WORD pointSize;
  std::wstring font;
  std::vector<TemplateItem> items;
};

class TemplateReader {
 public:
  explicit TemplateReader(const BYTE* at) : at_(at) {}
  template <class T>
  T Take() {
    T value;
    std::memcpy(&value, at_, sizeof value);
    at_ += sizeof value;
    return value;
  }
  // A string or an ordinal (0xFFFF then the ordinal, returned as `ordinal`).
  std::wstring TakeText(WORD* ordinal = nullptr) {
    WORD first = Take<WORD>();
    if (first == 0xFFFF) {
      const WORD value = Take<WORD>();
      if (ordinal != nullptr) *ordinal = value;
      return std::wstring();
    }
    std::wstring text;
    for (WORD c = first; c != 0; c = Take<WORD>()) text.push_back(static_cast<wchar_t>(c));
    return text;
  }
  void AlignToDword(const BYTE* base) {
    while ((at_ - base) % 4 != 0) ++at_;
  }

 private:
  const BYTE* at_;
};

DialogTemplate ReadTemplate(const char* name) {
  DialogTemplate dialog = {};
  HRSRC found = FindResourceA(GetModuleHandleA(nullptr), name, MAKEINTRESOURCEA(5));  // RT_DIALOG
  if (found == nullptr) return dialog;
  const BYTE* base = static_cast<const BYTE*>(LockResource(LoadResource(GetModuleHandleA(nullptr), found)));
  TemplateReader read(base);
  dialog.style = read.Take<DWORD>();
  read.Take<DWORD>();  // extended style
  const WORD count = read.Take<WORD>();
  read.Take<short>();
  read.Take<short>();
  dialog.cx = read.Take<short>();
  dialog.cy = read.Take<short>();
  read.TakeText();  // menu
  read.TakeText();  // class
  dialog.caption = read.TakeText();
  if (dialog.style & DS_SETFONT) {
    dialog.pointSize = read.Take<WORD>();
    dialog.font = read.TakeText();
  }
  for (WORD i = 0; i < count; ++i) {
    read.AlignToDword(base);
    TemplateItem item = {};
    item.style = read.Take<DWORD>();
    read.Take<DWORD>();
    item.x = read.Take<short>();
    item.y = read.Take<short>();
    item.cx = read.Take<short>();
    item.cy = read.Take<short>();
    item.id = read.Take<WORD>();
    read.TakeText(&item.classAtom);
    item.text = read.TakeText();
    const WORD extra = read.Take<WORD>();
    for (WORD b = 0; b < extra; ++b) read.Take<BYTE>();
    dialog.items.push_back(item);
  }
  return dialog;
}

std::wstring Wide(const char* cp932) {
  wchar_t text[64] = {};
  MultiByteToWideChar(932, 0, cp932, -1, text, 64);
  return text;
}

enum Kind { kOk, kLabel, kGroup, kLine, kLines };

struct Expected {
  int id;  // -1: no id of its own
  Kind kind;
  const char* text;
  short x, y, cx, cy;
};

void ExpectTemplate(const char* name, const std::vector<Expected>& table) {
  SCOPED_TRACE(name);
  const DialogTemplate dialog = ReadTemplate(name);
  const DWORD frame = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  EXPECT_EQ(frame, dialog.style & frame);
  EXPECT_EQ(227, dialog.cx);
  EXPECT_EQ(217, dialog.cy);
  EXPECT_EQ(Wide("プロパティ"), dialog.caption);
  EXPECT_EQ(9, dialog.pointSize);
  EXPECT_EQ(Wide("ＭＳ Ｐゴシック"), dialog.font);
  ASSERT_EQ(table.size(), dialog.items.size());
  for (size_t i = 0; i < table.size(); ++i) {
    const Expected& e = table[i];
    const TemplateItem& got = dialog.items[i];
    SCOPED_TRACE("item " + std::to_string(i) + " " + e.text);
    EXPECT_EQ(static_cast<WORD>(e.id), got.id);
    EXPECT_EQ(Wide(e.text), got.text);
    EXPECT_EQ(e.x, got.x);
    EXPECT_EQ(e.y, got.y);
    EXPECT_EQ(e.cx, got.cx);
    EXPECT_EQ(e.cy, got.cy);
    switch (e.kind) {
      case kOk:
        EXPECT_EQ(0x80, got.classAtom);
        EXPECT_EQ(static_cast<DWORD>(BS_DEFPUSHBUTTON), got.style & BS_TYPEMASK);
        break;
      case kLabel:
        EXPECT_EQ(0x82, got.classAtom);
        EXPECT_TRUE(got.style & WS_GROUP);
        break;
      case kGroup:
        EXPECT_EQ(0x80, got.classAtom);
        EXPECT_EQ(static_cast<DWORD>(BS_GROUPBOX), got.style & BS_TYPEMASK);
        break;
      case kLine:
      case kLines: {
        EXPECT_EQ(0x81, got.classAtom);
        const DWORD always = WS_BORDER | WS_TABSTOP;
        EXPECT_EQ(always, got.style & always);
        EXPECT_FALSE(got.style & ES_READONLY);
        // One line scrolls sideways; several lines wrap.
        const DWORD shape = e.kind == kLine ? ES_AUTOHSCROLL : ES_MULTILINE;
        EXPECT_EQ(shape, got.style & (ES_AUTOHSCROLL | ES_MULTILINE));
        break;
      }
    }
  }
}

TEST(DetailTemplatesTest, BothDialogsAreLaidOutAsDesigned) {
  ExpectTemplate("IDD_DIALOG2", {
                                    {1, kOk, "OK", 88, 196, 50, 14},
                                    {-1, kLabel, "郵便番号", 12, 25, 28, 8},
                                    {-1, kLabel, "旧番号", 76, 25, 22, 8},
                                    {-1, kLabel, "市区町村コード", 134, 25, 48, 8},
                                    {-1, kLabel, "都道府県", 15, 57, 28, 8},
                                    {-1, kLabel, "市区町村", 15, 90, 28, 8},
                                    {-1, kLabel, "町域", 15, 132, 15, 8},
                                    {-1, kGroup, "", 7, 7, 213, 37},
                                    {-1, kGroup, "", 7, 45, 213, 145},
                                    {IDC_DETAIL_NUMBER, kLine, "", 43, 21, 30, 14},
                                    {IDC_DETAIL_OLD_NUMBER, kLine, "", 101, 21, 30, 14},
                                    {IDC_DETAIL_CITY_CODE, kLine, "", 185, 21, 30, 14},
                                    {IDC_DETAIL_PREFECTURE, kLine, "", 53, 54, 161, 14},
                                    {IDC_DETAIL_PREFECTURE_KANA, kLine, "", 53, 70, 161, 14},
                                    {IDC_DETAIL_CITY, kLine, "", 53, 86, 161, 14},
                                    {IDC_DETAIL_CITY_KANA, kLines, "", 53, 102, 161, 26},
                                    {IDC_DETAIL_TOWN, kLines, "", 53, 130, 161, 26},
                                    {IDC_DETAIL_TOWN_KANA, kLines, "", 53, 158, 161, 26},
                                });
  ExpectTemplate("IDD_DIALOG3", {
                                    {1, kOk, "OK", 88, 196, 50, 14},
                                    {-1, kLabel, "都道府県", 14, 121, 28, 8},
                                    {-1, kLabel, "市区町村", 14, 139, 28, 8},
                                    {-1, kLabel, "町域", 14, 156, 15, 8},
                                    {-1, kGroup, "", 5, 46, 215, 144},
                                    {-1, kLabel, "大口客先名", 13, 64, 36, 8},
                                    {-1, kLabel, "郵便番号", 12, 25, 28, 8},
                                    {-1, kLabel, "旧番号", 76, 25, 22, 8},
                                    {-1, kLabel, "市区町村コード", 134, 25, 48, 8},
                                    {-1, kGroup, "", 7, 7, 213, 37},
                                    {IDC_DETAIL_NUMBER, kLine, "", 43, 21, 30, 14},
                                    {IDC_DETAIL_OLD_NUMBER, kLine, "", 101, 21, 30, 14},
                                    {IDC_DETAIL_CITY_CODE, kLine, "", 185, 21, 30, 14},
                                    {IDC_DETAIL_OFFICE_NAME, kLines, "", 53, 62, 161, 26},
                                    {IDC_DETAIL_OFFICE_KANA, kLines, "", 53, 91, 161, 26},
                                    {IDC_DETAIL_PREFECTURE, kLine, "", 53, 120, 161, 14},
                                    {IDC_DETAIL_CITY, kLine, "", 53, 137, 161, 14},
                                    {IDC_DETAIL_TOWN, kLines, "", 54, 154, 161, 26},
                                });
}

}  // namespace
