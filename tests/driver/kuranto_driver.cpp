// Command-line driver for kuranto.exe, for scripts:
//
//   kuranto_driver.exe COMMAND [ARGS] [COMMAND [ARGS]]...
//
// Commands run in order; the first that fails ends the driver with exit
// code 1 and a message on stderr. Values are printed one per line in UTF-8.
//   start EXE DIR        start EXE with DIR as working directory
//   window [MS]          wait for the main window (of the started program)
//   box CAPTION [MS]     wait for a message box, print its text
//   press-ok             press OK in the last message box found
//   box-rect             print the last message box's screen rectangle: X Y WIDTH HEIGHT
//   command ID           send menu command ID to the main window (posted, as a menu does)
//   click ID [MS]        click a button (radio or push) and wait for its handling
//   select ID INDEX      choose entry INDEX of a drop-down list
//   select-text ID TEXT  choose the entry showing TEXT
//   set ID TEXT          set a control's text
//   text ID              print a control's text
//   status               print the status-bar text
//   count ID             print a list view's item count
//   item-rect ID ITEM    print a list view item's screen rectangle: X Y WIDTH HEIGHT
//   tab INDEX            click a tab
//   paint                repaint the main window now (before a screenshot)
//   rect                 print the main window's screen rectangle: X Y WIDTH HEIGHT
//   sleep MS             wait
//   close [MS]           close the main window; with a started program, wait
//                        for its exit and print its exit code
//   wait-exit [MS]       wait for the started program to end, print its exit code
//   sheet PAGE           open the settings sheet (or take the open one), show
//                        page PAGE (0..2), print the sheet's rectangle
//   sheet-cancel         close the settings sheet with Cancel
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/driver/driver.h"

namespace {

constexpr DWORD kDefaultWaitMs = 60000;

struct Session {
  driver::Program program;
  bool started = false;
  HWND main = nullptr;
  HWND box = nullptr;
  HWND sheet = nullptr;
};

void Print(const std::string& cp932) {
  std::string text = driver::Cp932ToUtf8(cp932) + "\n";
  fwrite(text.data(), 1, text.size(), stdout);
  fflush(stdout);
}

void PrintRect(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  char text[64];
  snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
  Print(text);
}

bool Fail(const char* command, const std::string& why) {
  fprintf(stderr, "kuranto_driver: %s: %s\n", command, driver::Cp932ToUtf8(why).c_str());
  return false;
}

std::string RectText(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  char text[64];
  snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return text;
}

// The settings-sheet commands: "sheet PAGE" and "sheet-cancel".
bool RunSheetCommand(Session& s, const std::string& name, int argc, char** argv, int& i) {
  const char* command = name.c_str();
  if (!s.main) return Fail(command, "no main window yet (use: window)");
  s.sheet = driver::OpenSettingsSheet(s.main, kDefaultWaitMs);
  if (!s.sheet) return Fail(command, "the settings sheet did not open");
  if (name == "sheet-cancel")
    return driver::CloseSettingsSheet(s.sheet, false, kDefaultWaitMs) || Fail(command, "the sheet did not close");
  if (i >= argc) return Fail(command, "needs PAGE");
  const int page = std::atoi(argv[i++]);
  if (!driver::ShowSheetPage(s.sheet, page)) return Fail(command, "no page " + std::to_string(page));
  RedrawWindow(s.sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  driver::WaitIdle(s.sheet, kDefaultWaitMs);
  Print(RectText(s.sheet));
  return true;
}

bool PrintItemRect(Session& s, int argc, char** argv, int& i) {
  if (i + 2 > argc) return Fail("item-rect", "needs ID ITEM");
  if (!s.main) return Fail("item-rect", "no main window yet (use: window)");
  const int id = std::atoi(argv[i++]);
  const int item = std::atoi(argv[i++]);
  RECT r = {};
  if (!driver::ItemScreenRect(s.main, id, item, &r)) return Fail("item-rect", "no item " + std::to_string(item));
  char text[64];
  snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
  Print(text);
  return true;
}

// Runs the command at argv[i], advancing i past its arguments.
bool RunCommand(Session& s, int argc, char** argv, int& i) {
  const char* command = argv[i++];
  auto has_arg = [&] { return i < argc && std::strspn(argv[i], "0123456789") == std::strlen(argv[i]) && argv[i][0]; };
  auto need = [&](int n) { return i + n <= argc; };
  auto wait_ms = [&] { return has_arg() ? static_cast<DWORD>(std::strtoul(argv[i++], nullptr, 10)) : kDefaultWaitMs; };
  auto need_window = [&] { return s.main != nullptr || Fail(command, "no main window yet (use: window)"); };
  const std::string name = command;

  if (name == "start") {
    if (!need(2)) return Fail(command, "needs EXE DIR");
    std::string exe = argv[i++], dir = argv[i++];
    if (!s.program.Start(exe, dir)) return Fail(command, "cannot start " + exe);
    s.started = true;
    return true;
  }
  if (name == "window") {
    DWORD ms = wait_ms();
    s.main = driver::WaitMainWindow(s.started ? s.program.Id() : 0, ms);
    return s.main || Fail(command, "the main window did not appear");
  }
  if (name == "box") {
    if (!need(1)) return Fail(command, "needs CAPTION");
    std::string caption = argv[i++];
    DWORD ms = wait_ms();
    s.box = driver::WaitMessageBox(s.started ? s.program.Id() : 0, caption, ms);
    if (!s.box) return Fail(command, "no message box " + caption);
    Print(driver::MessageBoxText(s.box));
    return true;
  }
  if (name == "press-ok") {
    return (s.box && driver::PressDialogButton(s.box, IDOK)) || Fail(command, "no message box");
  }
  if (name == "box-rect") {
    if (!s.box) return Fail(command, "no message box");
    PrintRect(s.box);
    return true;
  }
  if (name == "command") {
    if (!need(1) || !need_window()) return need(1) ? false : Fail(command, "needs ID");
    const int id = std::atoi(argv[i++]);
    return PostMessageA(s.main, WM_COMMAND, static_cast<WPARAM>(id), 0) || Fail(command, "cannot post");
  }
  if (name == "click") {
    if (!need(1) || !need_window()) return need(1) ? false : Fail(command, "needs ID");
    int id = std::atoi(argv[i++]);
    DWORD ms = wait_ms();
    return driver::ClickButton(s.main, id, ms) || Fail(command, "no answer from control " + std::to_string(id));
  }
  if (name == "select" || name == "select-text") {
    if (!need(2) || !need_window()) return need(2) ? false : Fail(command, "needs ID and a value");
    int id = std::atoi(argv[i++]);
    std::string value = argv[i++];
    bool ok = name == "select" ? driver::SelectComboIndex(s.main, id, std::atoi(value.c_str()))
                               : driver::SelectComboText(s.main, id, value);
    return ok || Fail(command, "cannot choose " + value + " in " + std::to_string(id));
  }
  if (name == "set") {
    if (!need(2) || !need_window()) return need(2) ? false : Fail(command, "needs ID TEXT");
    int id = std::atoi(argv[i++]);
    return driver::SetControlText(s.main, id, argv[i++]) || Fail(command, "cannot set " + std::to_string(id));
  }
  if (name == "text") {
    if (!need(1) || !need_window()) return need(1) ? false : Fail(command, "needs ID");
    Print(driver::ControlText(s.main, std::atoi(argv[i++])));
    return true;
  }
  if (name == "status") {
    if (!need_window()) return false;
    Print(driver::StatusText(s.main));
    return true;
  }
  if (name == "count") {
    if (!need(1) || !need_window()) return need(1) ? false : Fail(command, "needs ID");
    int n = driver::ItemCount(s.main, std::atoi(argv[i++]));
    if (n < 0) return Fail(command, "no such list");
    Print(std::to_string(n));
    return true;
  }
  if (name == "item-rect") return PrintItemRect(s, argc, argv, i);
  if (name == "tab") {
    if (!need(1) || !need_window()) return need(1) ? false : Fail(command, "needs INDEX");
    int index = std::atoi(argv[i++]);
    return driver::SelectTab(s.main, index) || Fail(command, "tab " + std::to_string(index) + " not selected");
  }
  if (name == "paint") {
    return (need_window() && driver::Repaint(s.main, kDefaultWaitMs)) || Fail(command, "no answer");
  }
  if (name == "rect") {
    if (!need_window()) return false;
    PrintRect(s.main);
    return true;
  }
  if (name == "sleep") {
    Sleep(wait_ms());
    return true;
  }
  if (name == "close" || name == "wait-exit") {
    DWORD ms = wait_ms();
    if (name == "close") {
      if (!need_window()) return false;
      if (!driver::CloseMainWindow(s.main, ms)) return Fail(command, "the window did not close");
      s.main = nullptr;
      if (!s.started) return true;
    }
    if (!s.started) return Fail(command, "no started program");
    DWORD code = 0;
    if (!s.program.WaitExit(ms, &code)) return Fail(command, "the program did not end");
    Print(std::to_string(code));
    return true;
  }
  if (name == "sheet" || name == "sheet-cancel") return RunSheetCommand(s, name, argc, argv, i);
  return Fail(command, "unknown command");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: kuranto_driver COMMAND [ARGS]... (see the source for the commands)\n");
    return 2;
  }
  Session session;
  for (int i = 1; i < argc;) {
    if (!RunCommand(session, argc, argv, i)) return 1;
  }
  return 0;
}
