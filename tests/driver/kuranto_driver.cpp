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
//   box-set ID TEXT      set the text of a control of the last box (a dialog found by "box")
//   box-press ID         press a button of the last box (IDOK 1, IDCANCEL 2)
//   box-paste ID FILE    paste FILE's text (UTF-8) into edit box ID of the last box
//   box-select-text ID TEXT  choose the entry TEXT of drop-down list ID of the last box
//   box-text ID          print the text of control ID of the last box
//   box-click ID [MS]    click a button of the last box and wait for its handling
//   box-wait ID [MS]     wait until control ID of the last box is enabled (a
//                        long work started by a click is over)
//   box-status ID        print the text of the last box's status bar ID
//   box-size W H         resize the last box (a resizable dialog) and wait for its layout
//   box-double-click ID ROW  double-click row ROW of list view ID in the last box
//   box-control-rect ID  print control ID's screen rectangle: X Y WIDTH HEIGHT
//   box-click-at ID X Y  click control ID of the last box at X, Y of its client
//                        area and wait for its handling
//   box-key ID VK        post key VK (a number: 27 Esc) to control ID of the last
//                        box, as typed with the focus there; not waited for
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

bool Fail(const char* command, const std::string& why) {
  fprintf(stderr, "kuranto_driver: %s: %s\n", command, driver::Cp932ToUtf8(why).c_str());
  return false;
}

std::string RectText(const RECT& r) {
  char text[64];
  snprintf(text, sizeof text, "%ld %ld %ld %ld", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return text;
}

void PrintRect(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  Print(RectText(r));
}

// A command's arguments, taken in order.
struct Args {
  const char* command;
  int argc;
  char** argv;
  int& i;

  const char* Next() { return argv[i++]; }
  int Number() { return std::atoi(Next()); }
  // An optional trailing wait in milliseconds.
  DWORD WaitMs() {
    const bool given = i < argc && argv[i][0] != '\0' && std::strspn(argv[i], "0123456789") == std::strlen(argv[i]);
    return given ? static_cast<DWORD>(std::strtoul(Next(), nullptr, 10)) : kDefaultWaitMs;
  }
};

bool Start(Session& s, Args& a) {
  const std::string exe = a.Next(), dir = a.Next();
  if (!s.program.Start(exe, dir)) return Fail(a.command, "cannot start " + exe);
  s.started = true;
  return true;
}

bool Window(Session& s, Args& a) {
  s.main = driver::WaitMainWindow(s.started ? s.program.Id() : 0, a.WaitMs());
  return s.main || Fail(a.command, "the main window did not appear");
}

bool Box(Session& s, Args& a) {
  const std::string caption = a.Next();
  s.box = driver::WaitMessageBox(s.started ? s.program.Id() : 0, caption, a.WaitMs());
  if (!s.box) return Fail(a.command, "no message box " + caption);
  Print(driver::MessageBoxText(s.box));
  return true;
}

bool PressOk(Session& s, Args& a) {
  return (s.box && driver::PressDialogButton(s.box, IDOK)) || Fail(a.command, "no message box");
}

bool BoxSet(Session& s, Args& a) {
  const int id = a.Number();
  return (s.box && driver::SetControlText(s.box, id, a.Next())) || Fail(a.command, "cannot set " + std::to_string(id));
}

bool BoxPress(Session& s, Args& a) {
  const int id = a.Number();
  return (s.box && driver::PressDialogButton(s.box, id)) || Fail(a.command, "no button " + std::to_string(id));
}

bool BoxSelectText(Session& s, Args& a) {
  const int id = a.Number();
  const std::string text = a.Next();
  return (s.box && driver::SelectComboText(s.box, id, text)) ||
         Fail(a.command, "no entry " + text + " in " + std::to_string(id));
}

bool BoxText(Session& s, Args& a) {
  const int id = a.Number();
  if (!s.box || !driver::Control(s.box, id)) return Fail(a.command, "no control " + std::to_string(id));
  Print(driver::ControlText(s.box, id));
  return true;
}

bool BoxPaste(Session& s, Args& a) {
  const int id = a.Number();
  const std::string path = a.Next();
  std::string text;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char block[65536];
    for (size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;) text.append(block, n);
    std::fclose(file);
  } else {
    return Fail(a.command, "cannot read " + path);
  }
  return (s.box && driver::PasteText(s.box, id, driver::Utf8ToCp932(text), kDefaultWaitMs)) ||
         Fail(a.command, "cannot paste into " + std::to_string(id));
}

bool BoxClick(Session& s, Args& a) {
  const int id = a.Number();
  return (s.box && driver::ClickButton(s.box, id, a.WaitMs())) ||
         Fail(a.command, "no answer from control " + std::to_string(id));
}

bool BoxWait(Session& s, Args& a) {
  const int id = a.Number();
  const DWORD ms = a.WaitMs();
  if (!s.box) return Fail(a.command, "no message box");
  for (const DWORD start = GetTickCount(); !driver::IsEnabled(s.box, id); Sleep(50)) {
    if (GetTickCount() - start >= ms) return Fail(a.command, "control " + std::to_string(id) + " stayed disabled");
  }
  return true;
}

bool BoxStatus(Session& s, Args& a) {
  if (!s.box) return Fail(a.command, "no message box");
  Print(driver::StatusBarText(s.box, a.Number()));
  return true;
}

bool BoxSize(Session& s, Args& a) {
  const int width = a.Number(), height = a.Number();
  return (s.box && SetWindowPos(s.box, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) &&
          driver::WaitIdle(s.box, kDefaultWaitMs)) ||
         Fail(a.command, "cannot resize the box");
}

bool BoxDoubleClick(Session& s, Args& a) {
  const int id = a.Number(), row = a.Number();
  return (s.box && driver::DoubleClickRow(s.box, id, row, kDefaultWaitMs)) ||
         Fail(a.command, "no row " + std::to_string(row) + " in " + std::to_string(id));
}

bool BoxControlRect(Session& s, Args& a) {
  const int id = a.Number();
  HWND control = s.box ? driver::Control(s.box, id) : nullptr;
  if (!control) return Fail(a.command, "no control " + std::to_string(id));
  PrintRect(control);
  return true;
}

bool BoxClickAt(Session& s, Args& a) {
  const int id = a.Number(), x = a.Number(), y = a.Number();
  return (s.box && driver::ClickAt(s.box, id, x, y, kDefaultWaitMs)) ||
         Fail(a.command, "no answer from control " + std::to_string(id));
}

bool BoxKey(Session& s, Args& a) {
  const int id = a.Number(), key = a.Number();
  HWND control = s.box ? driver::Control(s.box, id) : nullptr;
  return (control && PostMessageA(control, WM_KEYDOWN, static_cast<WPARAM>(key), 1) &&
          PostMessageA(control, WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001)) ||
         Fail(a.command, "no control " + std::to_string(id));
}

bool BoxRect(Session& s, Args& a) {
  if (!s.box) return Fail(a.command, "no message box");
  PrintRect(s.box);
  return true;
}

bool Command(Session& s, Args& a) {
  return PostMessageA(s.main, WM_COMMAND, static_cast<WPARAM>(a.Number()), 0) || Fail(a.command, "cannot post");
}

bool Click(Session& s, Args& a) {
  const int id = a.Number();
  return driver::ClickButton(s.main, id, a.WaitMs()) || Fail(a.command, "no answer from control " + std::to_string(id));
}

bool Select(Session& s, Args& a) {
  const int id = a.Number();
  const std::string value = a.Next();
  const bool ok = std::strcmp(a.command, "select") == 0 ? driver::SelectComboIndex(s.main, id, std::atoi(value.c_str()))
                                                         : driver::SelectComboText(s.main, id, value);
  return ok || Fail(a.command, "cannot choose " + value + " in " + std::to_string(id));
}

bool Set(Session& s, Args& a) {
  const int id = a.Number();
  return driver::SetControlText(s.main, id, a.Next()) || Fail(a.command, "cannot set " + std::to_string(id));
}

bool Text(Session& s, Args& a) {
  Print(driver::ControlText(s.main, a.Number()));
  return true;
}

bool Status(Session& s, Args&) {
  Print(driver::StatusText(s.main));
  return true;
}

bool Count(Session& s, Args& a) {
  const int n = driver::ItemCount(s.main, a.Number());
  if (n < 0) return Fail(a.command, "no such list");
  Print(std::to_string(n));
  return true;
}

bool ItemRect(Session& s, Args& a) {
  const int id = a.Number();
  const int item = a.Number();
  RECT r = {};
  if (!driver::ItemScreenRect(s.main, id, item, &r)) return Fail(a.command, "no item " + std::to_string(item));
  Print(RectText(r));
  return true;
}

bool Tab(Session& s, Args& a) {
  const int index = a.Number();
  return driver::SelectTab(s.main, index) || Fail(a.command, "tab " + std::to_string(index) + " not selected");
}

bool Paint(Session& s, Args& a) { return driver::Repaint(s.main, kDefaultWaitMs) || Fail(a.command, "no answer"); }

bool Rect(Session& s, Args&) {
  PrintRect(s.main);
  return true;
}

bool SleepFor(Session&, Args& a) {
  Sleep(a.WaitMs());
  return true;
}

bool WaitExit(Session& s, Args& a, DWORD ms) {
  if (!s.started) return Fail(a.command, "no started program");
  DWORD code = 0;
  if (!s.program.WaitExit(ms, &code)) return Fail(a.command, "the program did not end");
  Print(std::to_string(code));
  return true;
}

bool Close(Session& s, Args& a) {
  const DWORD ms = a.WaitMs();
  if (!driver::CloseMainWindow(s.main, ms)) return Fail(a.command, "the window did not close");
  s.main = nullptr;
  return !s.started || WaitExit(s, a, ms);
}

bool WaitExitCommand(Session& s, Args& a) { return WaitExit(s, a, a.WaitMs()); }

// "sheet PAGE" and "sheet-cancel".
bool Sheet(Session& s, Args& a) {
  s.sheet = driver::OpenSettingsSheet(s.main, kDefaultWaitMs);
  if (!s.sheet) return Fail(a.command, "the settings sheet did not open");
  if (std::strcmp(a.command, "sheet-cancel") == 0) {
    return driver::CloseSettingsSheet(s.sheet, false, kDefaultWaitMs) || Fail(a.command, "the sheet did not close");
  }
  if (a.i >= a.argc) return Fail(a.command, "needs PAGE");
  const int page = a.Number();
  if (!driver::ShowSheetPage(s.sheet, page)) return Fail(a.command, "no page " + std::to_string(page));
  RedrawWindow(s.sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  driver::WaitIdle(s.sheet, kDefaultWaitMs);
  PrintRect(s.sheet);
  return true;
}

struct Verb {
  const char* name;
  int arguments;       // required ones; an optional wait may follow
  const char* usage;   // what a missing argument is told
  bool needsWindow;
  bool (*run)(Session&, Args&);
};

const Verb kVerbs[] = {
    {"start", 2, "EXE DIR", false, Start},
    {"window", 0, "", false, Window},
    {"box", 1, "CAPTION", false, Box},
    {"press-ok", 0, "", false, PressOk},
    {"box-rect", 0, "", false, BoxRect},
    {"box-set", 2, "ID TEXT", false, BoxSet},
    {"box-press", 1, "ID", false, BoxPress},
    {"box-paste", 2, "ID FILE", false, BoxPaste},
    {"box-select-text", 2, "ID TEXT", false, BoxSelectText},
    {"box-text", 1, "ID", false, BoxText},
    {"box-click", 1, "ID", false, BoxClick},
    {"box-wait", 1, "ID", false, BoxWait},
    {"box-status", 1, "ID", false, BoxStatus},
    {"box-size", 2, "WIDTH HEIGHT", false, BoxSize},
    {"box-double-click", 2, "ID ROW", false, BoxDoubleClick},
    {"box-control-rect", 1, "ID", false, BoxControlRect},
    {"box-click-at", 3, "ID X Y", false, BoxClickAt},
    {"box-key", 2, "ID VK", false, BoxKey},
    {"command", 1, "ID", true, Command},
    {"click", 1, "ID", true, Click},
    {"select", 2, "ID and a value", true, Select},
    {"select-text", 2, "ID and a value", true, Select},
    {"set", 2, "ID TEXT", true, Set},
    {"text", 1, "ID", true, Text},
    {"status", 0, "", true, Status},
    {"count", 1, "ID", true, Count},
    {"item-rect", 2, "ID ITEM", true, ItemRect},
    {"tab", 1, "INDEX", true, Tab},
    {"paint", 0, "", true, Paint},
    {"rect", 0, "", true, Rect},
    {"sleep", 0, "", false, SleepFor},
    {"close", 0, "", true, Close},
    {"wait-exit", 0, "", false, WaitExitCommand},
    {"sheet", 0, "", true, Sheet},
    {"sheet-cancel", 0, "", true, Sheet},
};

// Runs the command at argv[i], advancing i past its arguments.
bool RunCommand(Session& s, int argc, char** argv, int& i) {
  Args args{argv[i++], argc, argv, i};
  for (const Verb& verb : kVerbs) {
    if (std::strcmp(verb.name, args.command) != 0) continue;
    if (i + verb.arguments > argc) return Fail(args.command, std::string("needs ") + verb.usage);
    if (verb.needsWindow && s.main == nullptr) return Fail(args.command, "no main window yet (use: window)");
    return verb.run(s, args);
  }
  return Fail(args.command, "unknown command");
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
