// The settings in the registry (a key of this test's own) and the settings
// sheet, driven from a second thread as a user at the modal sheet would.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/win/shell_test_support.h"
#include "tests/driver/driver.h"

namespace {

using shell_test::ShellTest;

constexpr DWORD kWaitMs = 10000;
constexpr int kApplyButton = 0x3021;  // the property sheet's own id for 適用

class SettingsTest : public ShellTest {
 protected:
  void BeforeCreate() override {
    if (store_) store_();
  }

  // Runs the 設定 command while `user` works the sheet from another thread;
  // a sheet that `user` leaves open is cancelled. Returns once the command
  // has returned, before anything else is dispatched.
  void RunSheet(const std::function<void(HWND sheet)>& user) {
    HANDLE thread = CreateThread(nullptr, 0, SheetUser, const_cast<void*>(static_cast<const void*>(&user)), 0, nullptr);
    ASSERT_NE(nullptr, thread);
    SendMessageA(window_, WM_COMMAND, IDM_SETTINGS, 0);
    WaitForSingleObject(thread, INFINITE);
    CloseHandle(thread);
  }

  static DWORD WINAPI SheetUser(void* param) {
    const auto& user = *static_cast<const std::function<void(HWND)>*>(param);
    HWND sheet = driver::WaitSettingsSheet(GetCurrentProcessId(), kWaitMs);
    if (sheet == nullptr) return 1;
    user(sheet);
    if (IsWindow(sheet)) driver::CloseSettingsSheet(sheet, false, kWaitMs);
    return 0;
  }

  std::function<void()> store_;
};

bool Checked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string Repeat(const std::string& text, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += text;
  return out;
}

TEST_F(SettingsTest, SheetAppliesOnOkOnlyWhatItsOpenedPagesHold) {
  WriteSampleFiles();
  StartFresh();
  const std::string longAddress = "N " + Repeat("〒", 31);  // 64 bytes: the last 〒 would be split at 63
  const struct {
    const char* what;
    std::function<void(HWND sheet, std::vector<std::string>& seen)> user;
    bool hyphen, hiragana;
    std::string address, office;
    std::vector<std::string> seen;  // template boxes as the user saw them
  } cases[] = {
      {"flags on, template pages never opened",
       [](HWND sheet, std::vector<std::string>&) {
         HWND page = driver::ShowSheetPage(sheet, 0);
         driver::ClickButton(page, IDC_SETTING_HYPHEN, kWaitMs);
         driver::ClickButton(page, IDC_SETTING_HIRAGANA, kWaitMs);
         driver::CloseSettingsSheet(sheet, true, kWaitMs);
       },
       true, true, "O", "C", {}},
      {"only the opened office page applies",
       [](HWND sheet, std::vector<std::string>& seen) {
         HWND page = driver::ShowSheetPage(sheet, 2);
         seen.push_back(driver::ControlText(page, IDC_OFFICE_TEMPLATE));
         driver::SetControlText(page, IDC_OFFICE_TEMPLATE, "G N");
         driver::CloseSettingsSheet(sheet, true, kWaitMs);
       },
       false, false, "O", "G N", {"C"}},
      {"Cancel after 選択 CSV and a flag applies nothing",
       [](HWND sheet, std::vector<std::string>& seen) {
         driver::ClickButton(driver::ShowSheetPage(sheet, 0), IDC_SETTING_HYPHEN, kWaitMs);
         HWND page = driver::ShowSheetPage(sheet, 1);
         driver::SelectComboIndex(page, IDC_ADDRESS_PRESET, 2);
         driver::ClickButton(page, IDC_ADDRESS_PRESET_SELECT, kWaitMs);
         seen.push_back(driver::ControlText(page, IDC_ADDRESS_TEMPLATE));
         driver::CloseSettingsSheet(sheet, false, kWaitMs);
       },
       false, false, "O", "C", {"N,KSM"}},
      {"選択 takes the first preset the typed text begins",
       [](HWND sheet, std::vector<std::string>& seen) {
         HWND page = driver::ShowSheetPage(sheet, 1);
         driver::SetControlText(page, IDC_ADDRESS_PRESET, "詳");
         driver::ClickButton(page, IDC_ADDRESS_PRESET_SELECT, kWaitMs);
         seen.push_back(driver::ControlText(page, IDC_ADDRESS_TEMPLATE));
         page = driver::ShowSheetPage(sheet, 2);
         driver::SetControlText(page, IDC_OFFICE_PRESET, "〒");
         driver::ClickButton(page, IDC_OFFICE_PRESET_SELECT, kWaitMs);
         seen.push_back(driver::ControlText(page, IDC_OFFICE_TEMPLATE));
         driver::CloseSettingsSheet(sheet, true, kWaitMs);
       },
       false, false, "N KSM(ksm)", "〒N KSM G", {"N KSM(ksm)", "〒N KSM G"}},
      {"選択 with a text that begins no preset leaves the box",
       [](HWND sheet, std::vector<std::string>& seen) {
         HWND page = driver::ShowSheetPage(sheet, 1);
         driver::SetControlText(page, IDC_ADDRESS_PRESET, "xyz");
         driver::ClickButton(page, IDC_ADDRESS_PRESET_SELECT, kWaitMs);
         seen.push_back(driver::ControlText(page, IDC_ADDRESS_TEMPLATE));
         driver::CloseSettingsSheet(sheet, true, kWaitMs);
       },
       false, false, "O", "C", {"O"}},
      {"templates over 63 bytes are cut at a character boundary",
       [&longAddress](HWND sheet, std::vector<std::string>&) {
         driver::SetControlText(driver::ShowSheetPage(sheet, 1), IDC_ADDRESS_TEMPLATE, longAddress);
         driver::SetControlText(driver::ShowSheetPage(sheet, 2), IDC_OFFICE_TEMPLATE, std::string(70, 'G'));
         driver::CloseSettingsSheet(sheet, true, kWaitMs);
       },
       false, false, "N " + Repeat("〒", 30), std::string(63, 'G'), {}},
  };
  for (const auto& item : cases) {
    SCOPED_TRACE(item.what);
    kuranto::Settings& s = kuranto::g_app.settings;
    s.hyphen = false;
    s.hiragana = false;
    s.addressTemplate = "O";
    s.officeTemplate = "C";
    std::vector<std::string> seen;
    RunSheet([&](HWND sheet) { item.user(sheet, seen); });
    EXPECT_EQ(nullptr, driver::WaitSettingsSheet(GetCurrentProcessId(), 0)) << "the sheet is still open";
    EXPECT_EQ(item.hyphen, s.hyphen);
    EXPECT_EQ(item.hiragana, s.hiragana);
    EXPECT_EQ(item.address, s.addressTemplate);
    EXPECT_EQ(item.office, s.officeTemplate);
    EXPECT_EQ(item.seen, seen);
  }
}

TEST_F(SettingsTest, SheetPagesShowTheSettingsInForce) {
  WriteSampleFiles();
  StartFresh();
  kuranto::g_app.settings.hiragana = true;
  kuranto::g_app.settings.addressTemplate = "〒N";
  std::vector<std::string> seen;
  RunSheet([&](HWND sheet) {
    HWND page = driver::ShowSheetPage(sheet, 0);
    seen.push_back(driver::ControlText(page, IDC_SETTING_HYPHEN));
    seen.push_back(driver::IsChecked(page, IDC_SETTING_HYPHEN) ? "checked" : "unchecked");
    seen.push_back(driver::IsChecked(page, IDC_SETTING_HIRAGANA) ? "checked" : "unchecked");
    page = driver::ShowSheetPage(sheet, 1);
    seen.push_back(driver::ControlText(page, IDC_ADDRESS_TEMPLATE));
    seen.push_back(driver::ControlText(page, IDC_ADDRESS_PRESET));
    char title[64] = {};
    GetWindowTextA(sheet, title, sizeof title);
    seen.push_back(title);
    HWND apply = GetDlgItem(sheet, kApplyButton);
    seen.push_back(apply != nullptr && IsWindowVisible(apply) ? "apply" : "no apply");
  });
  const std::vector<std::string> expected = {"郵便番号に\"-\"を付ける", "unchecked", "checked", "〒N", "標準", "設定",
                                             "no apply"};
  EXPECT_EQ(expected, seen);
}

// Rows of the address list painted, with the hyphen setting at paint time.
std::vector<bool> g_paintedWithHyphen;
WNDPROC g_mainProc = nullptr;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM && wParam == IDC_ADDRESS_LIST)
    g_paintedWithHyphen.push_back(kuranto::g_app.settings.hyphen);
  return CallWindowProcA(g_mainProc, window, message, wParam, lParam);
}

TEST_F(SettingsTest, HyphenTurnedOnRepaintsTheVisibleListAtOnce) {
  WriteSampleFiles();
  StartFresh();
  SearchNumber(postal::kNewNumber, "107");
  ASSERT_EQ(2, shell_test::ItemCount(c().addressList));
  g_mainProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc)));
  g_paintedWithHyphen.clear();
  RunSheet([](HWND sheet) {
    driver::ClickButton(driver::ShowSheetPage(sheet, 0), IDC_SETTING_HYPHEN, kWaitMs);
    driver::CloseSettingsSheet(sheet, true, kWaitMs);
  });
  // Painted before the command returned, nothing left to paint.
  EXPECT_EQ(std::vector<bool>(2, true), g_paintedWithHyphen);
  RECT update;
  EXPECT_FALSE(GetUpdateRect(c().addressList, &update, FALSE));
  SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_mainProc));
}

TEST_F(SettingsTest, StoredValuesOutsideTheirRangeFallBackAndOddOnesAreKept) {
  WriteSampleFiles();
  const struct {
    const char* what;
    std::function<void()> store;
    std::string address, office;
    int prefecture, numberKind, charWidth;
    int checkedRadio;  // -1: none
    bool hyphen;
    DWORD savedRadio;
  } cases[] = {
      {"long texts, unknown prefecture, mode and font size",
       [this] {
         SetSettingText("Setting", "Line1", std::string(64, 'x'), 65);  // does not fit 64 bytes
         SetSettingText("Setting", "Line2", std::string(63, 'g'), 64);
         SetSettingText("Setting", "ken", "大坂", 64);
         SetSettingText("Setting", "Pg1Com1", "市", 64);
         SetSettingText("Setting", "Pg1Com2", "半", 64);
         SetSettingNumber("Setting", "FontType", 9);
         SetSettingNumber("Size", "radio", 7);
       },
       "N KSM", std::string(63, 'g'), -1, 2, 1, -1, false, 7},
      {"empty template, prefecture by prefix, any non-zero flag",
       [this] {
         SetSettingText("Setting", "Line1", "", 64);
         SetSettingText("Setting", "ken", "東京", 64);
         SetSettingNumber("Setting", "Bar", 5);
         SetSettingNumber("Size", "radio", 2);
       },
       "", "N KSM G", 12, 0, 0, 2, true, 2},
  };
  for (const auto& item : cases) {
    SCOPED_TRACE(item.what);
    store_ = item.store;
    Start();
    store_ = nullptr;
    const kuranto::Settings& s = kuranto::g_app.settings;
    EXPECT_EQ(item.address, s.addressTemplate);
    EXPECT_EQ(item.office, s.officeTemplate);
    EXPECT_EQ(item.hyphen, s.hyphen);
    EXPECT_EQ(3, s.fontSizeIndex);
    EXPECT_EQ(item.prefecture, SendMessageA(c().prefecture, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(item.numberKind, SendMessageA(c().numberKind, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(item.charWidth, SendMessageA(c().charWidth, CB_GETCURSEL, 0, 0));
    const HWND radios[] = {c().radioNumber, c().radioPlace, c().radioFuzzy};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(i == item.checkedRadio, Checked(radios[i])) << i;
    DestroyWindow(window_);
    shell_test::Pump();
    EXPECT_EQ(item.savedRadio, SettingNumber("Size", "radio"));
    EXPECT_EQ(3, SettingNumber("Setting", "FontType"));
    EXPECT_EQ(item.address, SettingText("Setting", "Line1"));
  }
}

TEST_F(SettingsTest, ExitWhileMaximisedOrMinimisedKeepsTheRectangleAndSavesTheRest) {
  WriteSampleFiles();
  StartFresh();
  MoveWindow(window_, 40, 50, 640, 480, TRUE);
  Restart();
  RECT r = {};
  GetWindowRect(window_, &r);
  EXPECT_EQ(40, r.left);
  EXPECT_EQ(50, r.top);
  EXPECT_EQ(640, r.right - r.left);
  EXPECT_EQ(480, r.bottom - r.top);
  for (int show : {SW_MAXIMIZE, SW_MINIMIZE}) {
    SCOPED_TRACE(show);
    ShowWindow(window_, show);
    shell_test::Pump();
    ChooseMode(IDC_RADIO_PLACE);
    const bool hyphen = !kuranto::g_app.settings.hyphen;
    kuranto::g_app.settings.hyphen = hyphen;
    Restart();
    EXPECT_EQ(40, SettingNumber("Size", "x"));
    EXPECT_EQ(50, SettingNumber("Size", "y"));
    EXPECT_EQ(640, SettingNumber("Size", "width"));
    EXPECT_EQ(480, SettingNumber("Size", "height"));
    EXPECT_TRUE(Checked(c().radioPlace));
    EXPECT_EQ(hyphen, kuranto::g_app.settings.hyphen);
    ChooseMode(IDC_RADIO_NUMBER);
  }
}

}  // namespace
