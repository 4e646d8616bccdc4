// keysweep.exe driven from outside as a user would: its question box is
// answered from this process, and the registry is looked at afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/driver/driver.h"

namespace {

constexpr DWORD kBoxMs = 60000;
constexpr DWORD kExitMs = 20000;
const char kSettingsKey[] = "Software\\Ostrel\\Kuranto";
const char kVendorKey[] = "Software\\Ostrel";

#ifdef KEYSWEEP_EXE
const char kKeysweep[] = KEYSWEEP_EXE;
#else
const char kKeysweep[] = "";
#endif

bool KeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void SetDword(const std::string& path, const char* name, DWORD value) {
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           KEY_ALL_ACCESS, nullptr, &key, nullptr));
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

DWORD Dword(const std::string& path, const char* name) {
  DWORD value = 0, size = sizeof value;
  RegGetValueA(HKEY_CURRENT_USER, path.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value, &size);
  return value;
}

// The keys the program writes, one more below a subkey, and a value on the top key.
void WriteSettings() {
  const std::string top = kSettingsKey;
  SetDword(top + "\\Width", "Column0", 61);
  SetDword(top + "\\Width2", "Column0", 81);
  SetDword(top + "\\Size", "x", 120);
  SetDword(top + "\\Setting", "FontType", 2);
  SetDword(top + "\\Setting\\Deeper", "Any", 7);
  SetDword(top, "Loose", 1);
  SetDword(kVendorKey, "Neighbour", 5);
}

class KeysweepTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!kKeysweep[0] || GetFileAttributesA(kKeysweep) == INVALID_FILE_ATTRIBUTES)
      GTEST_SKIP() << "keysweep.exe is not built; skipping";
    RegDeleteTreeA(HKEY_CURRENT_USER, kVendorKey);
  }
  void TearDown() override {
    program_.Kill();
    RegDeleteTreeA(HKEY_CURRENT_USER, kVendorKey);
  }

  // Starts keysweep, checks its question and answers it with `button`;
  // the exit code, or -1 when it did not end.
  int Answer(int button) {
    EXPECT_TRUE(program_.Start(kKeysweep, ""));
    HWND box = driver::WaitMessageBox(program_.Id(), "削除確認", kBoxMs);
    EXPECT_NE(nullptr, box) << "no question box \"削除確認\"";
    if (box == nullptr) return -1;
    EXPECT_EQ("クラントのレジストリ情報を削除しますか？", driver::MessageBoxText(box));
    EXPECT_NE(nullptr, GetDlgItem(box, IDOK));
    EXPECT_NE(nullptr, GetDlgItem(box, IDCANCEL));
    EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER)) << "a fresh process has no focus window to own the box";
    EXPECT_TRUE(driver::PressDialogButton(box, button));
    DWORD code = 0;
    // Any error box would hold the process: ending in time means none showed.
    if (!program_.WaitExit(kExitMs, &code)) return -1;
    return static_cast<int>(code);
  }

  driver::Program program_;
};

TEST_F(KeysweepTest, OkRemovesTheWholeTree) {
  WriteSettings();
  EXPECT_EQ(1, Answer(IDOK));
  EXPECT_FALSE(KeyExists(kSettingsKey));
  EXPECT_TRUE(KeyExists(kVendorKey)) << "only the program's own key goes";
  EXPECT_EQ(5u, Dword(kVendorKey, "Neighbour"));
}

TEST_F(KeysweepTest, CancelLeavesEverything) {
  WriteSettings();
  EXPECT_EQ(1, Answer(IDCANCEL));
  const std::string top = kSettingsKey;
  EXPECT_EQ(61u, Dword(top + "\\Width", "Column0"));
  EXPECT_EQ(81u, Dword(top + "\\Width2", "Column0"));
  EXPECT_EQ(120u, Dword(top + "\\Size", "x"));
  EXPECT_EQ(2u, Dword(top + "\\Setting", "FontType"));
  EXPECT_EQ(7u, Dword(top + "\\Setting\\Deeper", "Any"));
  EXPECT_EQ(1u, Dword(top, "Loose"));
}

TEST_F(KeysweepTest, OkWithoutTheKeyEndsQuietly) {
  ASSERT_FALSE(KeyExists(kSettingsKey));
  EXPECT_EQ(1, Answer(IDOK));
  EXPECT_FALSE(KeyExists(kSettingsKey));
}

}  // namespace
