// Creates the main window in-process over a temporary program directory and
// drives it with messages as a user would. Texts are cp932 (test literals).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "app/shell.h"
#include "datafiles/file_access.h"
#include "datafiles/index_build.h"
#include "tests/common/address_lines.h"
#include "tests/common/win_temp_dir.h"

namespace shell_test {

using test_lines::AddressLine;

inline std::vector<std::string> SampleAddressLines() { return test_lines::SampleAddressLines(false); }

inline std::vector<std::string> SampleOfficeLines() {
  return {
      "13101,\"ｶﾌﾞｼｷｶﾞｲｼｬ ｻﾝﾌﾟﾙ\",\"株式会社サンプル\",\"東京都\",\"千代田区\",\"丸の内\",\"１丁目１\","
      "\"1008799\",\"100  \",\"銀座\",0,0,0",
  };
}

using test_lines::CrLfLines;

using test_lines::TempDir;

struct ShownMessage {
  std::string text;
  std::string caption;
  UINT flags;
};

inline std::vector<ShownMessage>& Messages() {
  static std::vector<ShownMessage> shown;
  return shown;
}

inline int RecordMessage(HWND, const char* text, const char* caption, UINT flags) {
  Messages().push_back({text, caption, flags});
  return IDOK;
}

// Dispatches what is queued; a quit request is noted, not obeyed.
inline bool Pump() {
  bool quit = false;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      quit = true;
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return quit;
}

inline std::string TextOf(HWND control) {
  char text[1024] = {};
  GetWindowTextA(control, text, sizeof text);
  return text;
}

inline std::string StatusText() {
  char text[256] = {};
  SendMessageA(kuranto::g_app.controls.status, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
  return text;
}

inline int ItemCount(HWND list) { return static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)); }

inline std::string ItemText(HWND list, int row, int column) {
  char text[1024] = {};
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return text;
}

inline std::vector<std::string> ComboItems(HWND combo) {
  std::vector<std::string> items;
  const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

inline void SelectItems(HWND list, std::initializer_list<int> rows) {
  LVITEMA clear = {};
  clear.stateMask = LVIS_SELECTED;
  SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
  for (int row : rows) {
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  }
}

inline int RowHeight(HWND list) {
  RECT bounds = {};
  bounds.left = LVIR_BOUNDS;
  SendMessageA(list, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&bounds));
  return bounds.bottom - bounds.top;
}

inline std::string ClipboardText() {
  std::string text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = bytes;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

inline void SetClipboardMarker(const char* marker) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, lstrlenA(marker) + 1);
  lstrcpyA(static_cast<char*>(GlobalLock(block)), marker);
  GlobalUnlock(block);
  SetClipboardData(CF_TEXT, block);
  CloseClipboard();
}

// The main window over a program directory holding the given files.
class ShellTest : public ::testing::Test {
 protected:
  // Writes the sample address file (and telnum.dat, Jigyosyo.csv) unless a
  // test wrote its own files before calling Start.
  void WriteSampleFiles() {
    dir_.Write("Ken_all.csv", CrLfLines(SampleAddressLines()));
    dir_.Write("Jigyosyo.csv", CrLfLines(SampleOfficeLines()));
    dir_.Write("telnum.dat", "03,東京都,千代田区\n03,東京都,港区\n03,東京都,渋谷区\n011,北海道,札幌市中央区\n");
  }

  // Starts as after an earlier run on the same data: the index files are
  // there and the stored date is the address file's, so nothing is built.
  void StartFresh() {
    const std::string address = dir_.File("Ken_all.csv");
    const datafiles::BuildProgress none;
    dir_.Write("shilist.txt", datafiles::BuildCityList(address, none));
    dir_.Write("h_ken.dat", datafiles::BuildPrefectureRanges(address, none));
    const datafiles::NumberRangeFiles numbers = datafiles::BuildNumberRanges(address, none);
    dir_.Write("h_newn.dat", numbers.newNumbers);
    dir_.Write("h_oldn.dat", numbers.oldNumbers);
    Start(datafiles::FileDate(address));
  }

  // Starts with no settings in the registry but the given stored date.
  void Start(const std::string& storedDate = "") {
    RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKeyPath().c_str());
    kuranto::SetSettingsKeyOverride(SettingsKeyPath());
    Launch(storedDate);
  }

  // Closes the window (saving the settings) and starts again from them.
  void Restart() {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
    Pump();
    Launch("");
  }

  void Launch(const std::string& storedDate) {
    Messages().clear();
    kuranto::ResetAppState();
    kuranto::g_app.settings.storedDate = storedDate;
    BeforeCreate();
    kuranto::SetProgramDirectoryOverride(dir_.path());
    kuranto::SetMessageBoxHandler(RecordMessage);
    window_ = kuranto::CreateMainWindow(GetModuleHandleA(nullptr));
    ASSERT_NE(nullptr, window_);
    ShowWindow(window_, SW_SHOWNORMAL);
    UpdateWindow(window_);
    quitRequested_ = Pump();
  }

  // Settings as if restored from an earlier run (SetSetting...).
  virtual void BeforeCreate() {}

  void TearDown() override {
    if (window_ != nullptr && IsWindow(window_)) DestroyWindow(window_);
    Pump();
    kuranto::SetMessageBoxHandler(nullptr);
    kuranto::SetProgramDirectoryOverride("");
    kuranto::SetSettingsKeyOverride("");
    RegDeleteTreeA(HKEY_CURRENT_USER, SettingsKeyPath().c_str());
    RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\KurantoTests");  // only once no test process uses it
  }

  // The settings key of this test process, in place of the program's own;
  // outside "Software\Ostrel", which the keysweep tests remove whole.
  static std::string SettingsKeyPath() {
    return "Software\\KurantoTests\\shell-" + std::to_string(GetCurrentProcessId());
  }

  // A value under subkey ("Width", "Size", "Setting"...) of the settings key.
  void SetSettingNumber(const char* subkey, const char* name, DWORD value) {
    SetSettingValue(subkey, name, REG_DWORD, &value, sizeof value);
  }
  // A REG_SZ of exactly `bytes` bytes of data (the text, then zeros).
  void SetSettingText(const char* subkey, const char* name, const std::string& text, size_t bytes) {
    std::string data = text;
    data.resize(bytes, '\0');
    SetSettingValue(subkey, name, REG_SZ, data.data(), static_cast<DWORD>(bytes));
  }
  void SetSettingValue(const char* subkey, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    const std::string path = SettingsKeyPath() + "\\" + subkey;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &key, nullptr));
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
  }
  // The stored number, or -1 when missing.
  long long SettingNumber(const char* subkey, const char* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    const std::string path = SettingsKeyPath() + "\\" + subkey;
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS)
      return -1;
    return value;
  }
  // The stored text up to its terminator, or "<missing>".
  std::string SettingText(const char* subkey, const char* name) {
    char text[256] = {};
    DWORD size = sizeof text - 1;
    const std::string path = SettingsKeyPath() + "\\" + subkey;
    if (RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS)
      return "<missing>";
    return text;
  }

  const kuranto::Controls& c() const { return kuranto::g_app.controls; }

  void Command(int id, int code = 0) {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, code), 0);
    Pump();
  }

  void ChooseMode(int radio) {
    CheckRadioButton(window_, IDC_RADIO_NUMBER, IDC_RADIO_FUZZY, radio);
    Command(radio, BN_CLICKED);
  }

  void ChooseKind(int kind) {
    SendMessageA(c().numberKind, CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
    Command(IDC_NUMBER_KIND, CBN_SELCHANGE);
  }

  // Types a number and presses Enter in the number box.
  void SearchNumber(int kind, const char* number) {
    ChooseMode(IDC_RADIO_NUMBER);
    ChooseKind(kind);
    SetWindowTextA(c().number, number);
    PressEnterIn(c().number);
  }

  void PressEnterIn(HWND control) {
    SetFocus(control);
    Pump();
    Command(IDM_ENTER);
  }

  void SwitchTab(int page) {
    SendMessageA(c().tab, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    NMHDR header = {};
    header.hwndFrom = c().tab;
    header.idFrom = IDC_TAB;
    header.code = TCN_SELCHANGE;
    SendMessageA(window_, WM_NOTIFY, IDC_TAB, reinterpret_cast<LPARAM>(&header));
    Pump();
  }

  TempDir dir_;
  HWND window_ = nullptr;
  bool quitRequested_ = false;
};

}  // namespace shell_test
