// Rows leaving kuranto.exe as a user takes them, with real mouse and
// keyboard input: dragged into another program (drop_target.exe registers
// an OLE drop target and logs what it receives), and shown in the detail
// dialog from a right click. Texts are cp932.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/driver/driver.h"

namespace {

constexpr DWORD kStartMs = 60000;
constexpr DWORD kSearchMs = 30000;
constexpr DWORD kDropMs = 10000;
constexpr DWORD kExitMs = 20000;
const char kRegistryKey[] = "Software\\Ostrel\\Kuranto";
const RECT kTargetRect = {800, 100, 1100, 400};  // beside the main window's default place

#if defined(KURANTO_EXE) && defined(DROP_TARGET_EXE)
const char kProgram[] = KURANTO_EXE;
const char kTargetProgram[] = DROP_TARGET_EXE;
#else
const char kProgram[] = "";
const char kTargetProgram[] = "";
#endif

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Hex(const std::string& bytes) {
  std::string hex;
  char pair[3];
  for (unsigned char byte : bytes) {
    snprintf(pair, sizeof pair, "%02x", byte);
    hex += pair;
  }
  return hex;
}

// The line a drop of `text` leaves in the target's log.
std::string DropLine(const std::string& text) { return "drop 1001 " + Hex(text); }

// Real input: xdotool moves the X server's pointer and presses its buttons
// and keys, so Wine receives them as from a hand (input made with SendInput
// loses the button and modifier state to the X pointer's). Wine starts a
// Unix program without a handle to wait on: each step waits for its effect
// instead (the pointer's arrival, a window, a line of the target's log).
const char kXdotool[] = "Z:\\usr\\bin\\xdotool";

bool Xdotool(const std::string& commands) {
  std::string command = "xdotool " + commands;
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started = {};
  if (!CreateProcessA(kXdotool, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started))
    return false;
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}

std::string MoveTo(POINT p) { return "mousemove " + std::to_string(p.x) + " " + std::to_string(p.y) + " "; }

// Moves in small steps, as a hand does, so every window on the way sees it.
std::string Glide(POINT from, POINT to, int steps) {
  std::string commands;
  for (int i = 1; i <= steps; ++i) {
    commands += MoveTo({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps}) + "sleep 0.03 ";
  }
  return commands;
}

// Runs the commands and waits until Wine has seen the pointer reach `end`,
// where they leave it; `end` must differ from where the pointer was.
bool XdotoolUntil(const std::string& commands, POINT end) {
  if (!Xdotool(commands + MoveTo(end))) return false;
  const DWORD start = GetTickCount();
  for (;;) {
    POINT at = {};
    GetCursorPos(&at);
    if (at.x == end.x && at.y == end.y) return true;
    if (GetTickCount() - start >= kDropMs) return false;
    Sleep(20);
  }
}

POINT Center(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class ProgramTransferTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!kProgram[0] || !FileExists(kProgram) || !FileExists(kTargetProgram))
      GTEST_SKIP() << "kuranto.exe or drop_target.exe is not built; skipping the drag tests";
    if (!FileExists(kXdotool)) GTEST_SKIP() << "no /usr/bin/xdotool (tools/setup.sh installs it); skipping the drag tests";
    // Default templates and window place: nothing restored from another run.
    RegDeleteTreeA(HKEY_CURRENT_USER, kRegistryKey);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    dir_ = std::string(temp) + "kuranto_drag_" + std::to_string(GetCurrentProcessId()) + "_" +
           testing::UnitTest::GetInstance()->current_test_info()->name();
    CreateDirectoryA(dir_.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(kProgram, Path("kuranto.exe").c_str(), FALSE));
    for (const char* name : {"Ken_all.csv", "Jigyosyo.csv"}) {
      ASSERT_TRUE(CopyFileA((std::string(KURANTO_SAMPLE_DATA) + "/" + name).c_str(), Path(name).c_str(), FALSE));
    }

    const std::string command = std::string("\"") + kTargetProgram + "\" \"" + Path("target.log") + "\" " +
                                std::to_string(kTargetRect.left) + " " + std::to_string(kTargetRect.top) + " " +
                                std::to_string(kTargetRect.right - kTargetRect.left) + " " +
                                std::to_string(kTargetRect.bottom - kTargetRect.top);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::vector<char> line(command.begin(), command.end());
    line.push_back('\0');
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &target_));
    ASSERT_TRUE(WaitLog("ready", kStartMs)) << "the drop target did not register";
    ASSERT_TRUE(program_.Start(Path("kuranto.exe"), dir_));
    main_ = driver::WaitMainWindow(program_.Id(), kStartMs);
    ASSERT_NE(main_, nullptr) << "no visible main window";
  }

  void TearDown() override {
    if (main_ != nullptr) {
      EXPECT_TRUE(driver::CloseMainWindow(main_, kExitMs));
      DWORD code = 1;
      EXPECT_TRUE(program_.WaitExit(kExitMs, &code)) << "the program did not end after its window closed";
      EXPECT_EQ(code, 0u);
    }
    program_.Kill();
    if (target_.hProcess != nullptr) {
      if (HWND window = FindWindowA(nullptr, "kuranto drop target")) PostMessageA(window, WM_CLOSE, 0, 0);
      if (WaitForSingleObject(target_.hProcess, kExitMs) != WAIT_OBJECT_0) TerminateProcess(target_.hProcess, 1);
      CloseHandle(target_.hProcess);
      CloseHandle(target_.hThread);
    }
    for (const char* name : {"kuranto.exe", "Ken_all.csv", "Jigyosyo.csv", "target.log", "shilist.txt", "h_ken.dat",
                             "h_oldn.dat", "h_newn.dat", "d_joken.dat", "kiroku.txt"}) {
      DeleteFileA(Path(name).c_str());
    }
    if (!dir_.empty()) RemoveDirectoryA(dir_.c_str());
  }

  std::string Path(const std::string& name) const { return dir_ + "\\" + name; }

  std::vector<std::string> LogLines() const {
    std::vector<std::string> lines;
    std::string log = ReadFile(Path("target.log"));
    size_t start = 0;
    for (size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1) {
      lines.push_back(log.substr(start, end - start));
    }
    return lines;
  }

  // The log lines that begin with `prefix`.
  std::vector<std::string> Logged(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& line : LogLines()) {
      if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
    }
    return found;
  }

  // Waits until at least `count` log lines begin with `prefix`.
  bool WaitLog(const std::string& prefix, DWORD timeout_ms, size_t count = 1) const {
    const DWORD start = GetTickCount();
    while (Logged(prefix).size() < count) {
      if (GetTickCount() - start >= timeout_ms) return false;
      Sleep(50);
    }
    return true;
  }

  std::vector<std::string> Drops() const { return Logged("drop"); }

  void Search(int tab, int kind, const std::string& number) {
    ASSERT_TRUE(driver::SelectTab(main_, tab));
    ASSERT_TRUE(driver::ClickButton(main_, IDC_RADIO_NUMBER, kSearchMs));
    ASSERT_TRUE(driver::SelectComboIndex(main_, IDC_NUMBER_KIND, kind));
    ASSERT_TRUE(driver::SetControlText(main_, IDC_NUMBER, number));
    ASSERT_TRUE(driver::ClickButton(main_, IDC_SEARCH, kSearchMs));
  }

  // A point on row `row` of the list, inside its first cell.
  POINT RowPoint(int list, int row) {
    RECT r = {};
    EXPECT_TRUE(driver::ItemScreenRect(main_, list, row, &r)) << "no row " << row;
    return {r.left + 20, (r.top + r.bottom) / 2};
  }

  // Presses on `from`, pulls out of the list onto the target and waits until
  // the target has seen the drag come in. The button stays down.
  void PullOntoTarget(POINT from) {
    const size_t entered = Logged("enter").size();
    const POINT pulled = {from.x + 12, from.y};  // past the drag distance, still in the row
    const POINT onTarget = Center(kTargetRect);
    ASSERT_TRUE(Xdotool(MoveTo(from) + "sleep 0.2 mousedown 1 sleep 0.2 " + Glide(from, pulled, 4) +
                        Glide(pulled, onTarget, 20)));
    ASSERT_TRUE(WaitLog("enter", kDropMs, entered + 1)) << "the drag never reached the target";
    ASSERT_TRUE(XdotoolUntil(Glide(onTarget, {onTarget.x + 9, onTarget.y + 9}, 3), {onTarget.x + 10, onTarget.y + 10}));
  }

  // Lets go of the button where the pointer is, then moves off a little.
  void Release() {
    POINT at = {};
    GetCursorPos(&at);
    ASSERT_TRUE(XdotoolUntil("mouseup 1 sleep 0.2 ", {at.x + 5, at.y + 5}));
  }

  HWND WaitVisibleWindow(const char* className, const char* title) {
    const DWORD start = GetTickCount();
    for (;;) {
      HWND found = FindWindowA(className, title);
      if (found != nullptr && IsWindowVisible(found)) return found;
      if (GetTickCount() - start >= kDropMs) return nullptr;
      Sleep(50);
    }
  }

  std::string dir_;
  driver::Program program_;
  PROCESS_INFORMATION target_ = {};
  HWND main_ = nullptr;
};

TEST_F(ProgramTransferTest, DroppedRowArrivesAsItsTemplateText) {
  struct Case {
    int tab;
    const char* number;
    int row;
    const char* text;  // the default templates "N KSM" and "N KSM G"
  };
  const Case cases[] = {
      {0, "107", 1, "1070062 東京都港区南青山"},
      {1, "100", 0, "1008960 東京都千代田区永田町１丁目７－１ 衆議院"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const size_t before = Drops().size();
    ASSERT_NO_FATAL_FAILURE(Search(c.tab, 1, c.number));
    const int list = c.tab == 0 ? IDC_ADDRESS_LIST : IDC_OFFICE_LIST;
    ASSERT_NO_FATAL_FAILURE(PullOntoTarget(RowPoint(list, c.row)));
    ASSERT_NO_FATAL_FAILURE(Release());
    ASSERT_TRUE(WaitLog("drop", kDropMs, before + 1)) << "nothing dropped";
    const std::vector<std::string> drops = Drops();
    ASSERT_EQ(drops.size(), before + 1);
    EXPECT_EQ(drops.back(), DropLine(c.text));
  }
}

TEST_F(ProgramTransferTest, EscapeDuringTheDragDropsNothing) {
  ASSERT_NO_FATAL_FAILURE(Search(0, 1, "107"));
  ASSERT_NO_FATAL_FAILURE(PullOntoTarget(RowPoint(IDC_ADDRESS_LIST, 0)));
  ASSERT_TRUE(Xdotool("key Escape"));
  ASSERT_TRUE(WaitLog("leave", kDropMs)) << "the drag did not end at Escape";
  ASSERT_NO_FATAL_FAILURE(Release());
  driver::WaitIdle(main_, kDropMs);
  Sleep(500);
  EXPECT_TRUE(Drops().empty());
}

TEST_F(ProgramTransferTest, SeveralSelectedRowsDragOnlyTheFirst) {
  ASSERT_NO_FATAL_FAILURE(Search(0, 1, "107"));
  const POINT second = RowPoint(IDC_ADDRESS_LIST, 1);
  const POINT fourth = RowPoint(IDC_ADDRESS_LIST, 3);
  ASSERT_TRUE(XdotoolUntil(MoveTo(second) + "click 1 sleep 0.3 " + MoveTo(fourth) + "keydown ctrl click 1 keyup ctrl ",
                           {fourth.x + 1, fourth.y}));
  HWND list = driver::Control(main_, IDC_ADDRESS_LIST);
  const DWORD start = GetTickCount();
  while (SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0) != 2 && GetTickCount() - start < kDropMs) Sleep(50);
  ASSERT_EQ(SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0), 2) << "Ctrl+click did not select a second row";
  // Not a double click of the last one.
  Sleep(GetDoubleClickTime() + 100);
  // Pulled by the later row, the drag still carries row 1.
  ASSERT_NO_FATAL_FAILURE(PullOntoTarget(fourth));
  ASSERT_NO_FATAL_FAILURE(Release());
  ASSERT_TRUE(WaitLog("drop", kDropMs)) << "nothing dropped";
  EXPECT_EQ(Drops(), std::vector<std::string>{DropLine("1070062 東京都港区南青山")});
}

TEST_F(ProgramTransferTest, RightClickPropertiesShowsTheStoredRow) {
  ASSERT_NO_FATAL_FAILURE(Search(0, 1, "107"));
  ASSERT_TRUE(Xdotool(MoveTo(RowPoint(IDC_ADDRESS_LIST, 2)) + "click 3"));
  ASSERT_NE(WaitVisibleWindow("#32768", nullptr), nullptr) << "no pop-up menu";
  ASSERT_TRUE(Xdotool("key Up Return"));  // from no choice up to the last item, プロパティ(&P)
  HWND dialog = driver::WaitMessageBox(program_.Id(), "プロパティ", kDropMs);
  ASSERT_NE(dialog, nullptr) << "no dialog プロパティ";
  const std::vector<std::string> expected = {"1070051", "107", "13103", "東京都", "ﾄｳｷｮｳﾄ", "港区", "ﾐﾅﾄｸ",
                                             "元赤坂", "ﾓﾄｱｶｻｶ"};
  for (int slot = 0; slot < 9; ++slot) EXPECT_EQ(driver::ControlText(dialog, IDC_DETAIL_NUMBER + slot), expected[slot]);

  ASSERT_TRUE(Xdotool("key Escape"));
  Sleep(1000);
  EXPECT_TRUE(IsWindowVisible(dialog)) << "Esc closed the dialog";
  ASSERT_TRUE(Xdotool("key Return"));
  const DWORD start = GetTickCount();
  while (IsWindow(dialog) && GetTickCount() - start < kDropMs) Sleep(50);
  EXPECT_FALSE(IsWindow(dialog)) << "Enter left the dialog open";
}

}  // namespace
