// The main window over copies of Japan Post's published files.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "postal/records.h"
#include "postal/templates.h"
#include "tests/win/shell_test_support.h"

namespace {

using shell_test::ShellTest;

class ShellRealDataTest : public ShellTest {
 protected:
  void SetUp() override {
    const std::string shared = KURANTO_SHARED_DATA;
    const std::string ken = shared + "/KEN_ALL.CSV";
    const std::string jigyosyo = shared + "/JIGYOSYO.CSV";
    if (GetFileAttributesA(ken.c_str()) == INVALID_FILE_ATTRIBUTES) {
      GTEST_SKIP() << "the published address file is not in " << shared;
    }
    // Copies: the program writes its index files beside the address file.
    ASSERT_TRUE(CopyFileA(ken.c_str(), dir_.File("Ken_all.csv").c_str(), FALSE));
    CopyFileA(jigyosyo.c_str(), dir_.File("Jigyosyo.csv").c_str(), FALSE);
    Start();
  }
};

TEST_F(ShellRealDataTest, BuildsTheIndexFilesOfThePublishedFile) {
  EXPECT_TRUE(shell_test::Messages().empty());
  EXPECT_EQ(940u, dir_.Read("h_ken.dat").size());
  EXPECT_EQ(2000u, dir_.Read("h_newn.dat").size());
  EXPECT_EQ(2000u, dir_.Read("h_oldn.dat").size());
  EXPECT_EQ(0u, dir_.Read("shilist.txt").find("北海道札幌市中央区\n"));
  EXPECT_STREQ("沖縄県", kuranto::g_app.tables.prefectures[46].name);
}

TEST_F(ShellRealDataTest, TokyoCitiesAreListedOnceEachInFileOrder) {
  ChooseMode(IDC_RADIO_PLACE);
  SendMessageA(c().prefecture, CB_SETCURSEL, 12, 0);
  Command(IDC_PREFECTURE, CBN_SELCHANGE);
  SetFocus(c().city);
  shell_test::Pump();
  const std::vector<std::string> cities = shell_test::ComboItems(c().city);
  ASSERT_GT(cities.size(), 50u);
  EXPECT_EQ("千代田区", cities.front());
  EXPECT_EQ(cities.size(), std::set<std::string>(cities.begin(), cities.end()).size());
}

TEST_F(ShellRealDataTest, NewNumberSearchAndCopy) {
  SearchNumber(postal::kNewNumber, "1000001");
  ASSERT_GE(shell_test::ItemCount(c().addressList), 1);
  EXPECT_EQ(std::to_string(kuranto::g_app.resultCount) + " 件見つかりました。", shell_test::StatusText());
  shell_test::SelectItems(c().addressList, {0});
  Command(IDM_COPY);
  EXPECT_EQ(0u, shell_test::ClipboardText().find("1000001 東京都千代田区"));
}

TEST_F(ShellRealDataTest, OfficeSearchOnTheBusinessPage) {
  SwitchTab(1);
  SearchNumber(postal::kNewNumber, "100");
  EXPECT_GT(shell_test::ItemCount(c().officeList), 0);
  EXPECT_EQ(0, shell_test::ItemCount(c().addressList));
}

// The rows of a search as kuranto-query prints them through `templateText`
// (cp932 lines); the query runs over the test's program directory.
std::vector<std::string> QueryToolRows(const std::string& dir, const char* templateText,
                                       const std::vector<std::string>& args) {
  std::string command = std::string("\"") + KURANTO_QUERY_EXE + "\" --dir \"" + dir.substr(0, dir.size() - 1) +
                        "\" --cp932 --template \"" + templateText + "\"";
  for (const std::string& arg : args) command += " \"" + arg + "\"";
  // Read through a pipe to its end: the end comes once the tool has exited
  // and every copy of its output handle is closed.
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  std::vector<std::string> rows;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
    ADD_FAILURE() << "no pipe";
    return rows;
  }
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  PROCESS_INFORMATION process = {};
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  const bool started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr,
                                      nullptr, &startup, &process) != FALSE;
  CloseHandle(writeEnd);
  std::string text;
  if (started) {
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  CloseHandle(readEnd);
  if (!started) {
    ADD_FAILURE() << "cannot start " << command;
    return rows;
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string row = text.substr(start, end - start);
    if (!row.empty() && row.back() == '\r') row.pop_back();
    rows.push_back(row);
    start = end + 1;
  }
  return rows;
}

// One search through the form, and the same search for the query tool.
struct FormSearch {
  int tab;    // 0 addresses, 1 business offices
  int radio;  // IDC_RADIO_*
  int kind;   // number mode: NumberKind
  const char* number;
  const char* areaPlace;  // area-code kind: the entry chosen after "03"
  const char* city;       // location mode, in 東京都
  const char* text;       // town, or the fuzzy text
  std::vector<std::string> query;
};

TEST_F(ShellRealDataTest, SearchesOfEveryKindShowTheQueryToolsRows) {
  const std::string data = KURANTO_DATA_DIR;
  ASSERT_TRUE(CopyFileA((data + "/telnum.dat").c_str(), dir_.File("telnum.dat").c_str(), FALSE));
  const FormSearch searches[] = {
      {0, IDC_RADIO_NUMBER, postal::kOldNumber, "107", "", "", "", {"address", "old", "107"}},
      {0, IDC_RADIO_NUMBER, postal::kNewNumber, "107", "", "", "", {"address", "new", "107"}},
      // Over three thousand rows: several blocks of the row table.
      {0, IDC_RADIO_NUMBER, postal::kCityCode, "131", "", "", "", {"address", "city", "131"}},
      {0, IDC_RADIO_NUMBER, postal::kAreaCode, "03", "東京都 港区", "", "", {"address", "area", "東京都 港区"}},
      {0, IDC_RADIO_PLACE, 0, "", "", "港区", "赤坂", {"address", "place", "東京都", "港区", "赤坂"}},
      {0, IDC_RADIO_FUZZY, 0, "", "", "", "赤坂", {"address", "fuzzy", "赤坂"}},
      {1, IDC_RADIO_NUMBER, postal::kNewNumber, "107", "", "", "", {"office", "new", "107"}},
      {1, IDC_RADIO_NUMBER, postal::kCityCode, "13103", "", "", "", {"office", "city", "13103"}},
      {1, IDC_RADIO_PLACE, 0, "", "", "港区", "赤坂", {"office", "place", "東京都", "港区", "赤坂"}},
      {1, IDC_RADIO_FUZZY, 0, "", "", "", "赤坂", {"office", "fuzzy", "赤坂"}},
  };
  HWND records = c().recordList;
  for (const FormSearch& s : searches) {
    std::string label;
    for (const std::string& arg : s.query) label += arg + " ";
    SCOPED_TRACE(label);
    SwitchTab(s.tab);
    HWND list = s.tab == 0 ? c().addressList : c().officeList;
    ChooseMode(s.radio);
    if (s.radio == IDC_RADIO_NUMBER) {
      ChooseKind(s.kind);
      SetWindowTextA(c().number, s.number);
      if (s.kind == postal::kAreaCode) {
        SetFocus(c().areaPlace);  // fills the list with the places of "03"
        shell_test::Pump();
        const LRESULT entry = SendMessageA(c().areaPlace, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                           reinterpret_cast<LPARAM>(s.areaPlace));
        ASSERT_NE(CB_ERR, entry);
        SendMessageA(c().areaPlace, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
      }
    } else if (s.radio == IDC_RADIO_PLACE) {
      SendMessageA(c().prefecture, CB_SETCURSEL, 12, 0);  // 東京都
      Command(IDC_PREFECTURE, CBN_SELCHANGE);
      SetFocus(c().city);
      shell_test::Pump();
      const LRESULT entry =
          SendMessageA(c().city, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(s.city));
      ASSERT_NE(CB_ERR, entry);
      SendMessageA(c().city, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
      SetWindowTextA(c().town, s.text);
    } else {
      SetWindowTextA(c().fuzzy, s.text);
    }
    Command(IDC_SEARCH);

    const std::vector<std::string> expected = QueryToolRows(
        dir_.path(), s.tab == 0 ? postal::kDefaultAddressTemplate : postal::kDefaultOfficeTemplate, s.query);
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(static_cast<int>(expected.size()), shell_test::ItemCount(list));
    EXPECT_EQ(std::to_string(expected.size()) + " 件見つかりました。", shell_test::StatusText());
    // Every row through the window: all selected, then recorded in row order.
    LVITEMA all = {};
    all.stateMask = LVIS_SELECTED;
    all.state = LVIS_SELECTED;
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&all));
    const int before = shell_test::ItemCount(records);
    Command(IDM_RECORD);
    std::vector<std::string> shown;
    for (int i = before; i < shell_test::ItemCount(records); ++i) shown.push_back(shell_test::ItemText(records, i, 0));
    EXPECT_EQ(expected, shown);
  }
}

}  // namespace
