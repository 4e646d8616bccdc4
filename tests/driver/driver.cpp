#include "tests/driver/driver.h"

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace driver {

const char kMainClass[] = "kuranz2";
const char kMainTitle[] = "クラント";

namespace {

constexpr DWORD kPollMs = 50;
constexpr DWORD kSendTimeoutMs = 10000;

// Memory in another process for messages whose pointers the system does not
// carry across processes (common-control messages).
class RemoteBuffer {
 public:
  RemoteBuffer(HWND window, size_t size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  bool Ok() const { return address_ != nullptr; }
  LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
  bool Read(void* out, size_t size) const {
    SIZE_T got = 0;
    return size <= size_ && ReadProcessMemory(process_, address_, out, size, &got) && got == size;
  }
  bool Write(const void* data, size_t size) const {
    SIZE_T put = 0;
    return size <= size_ && WriteProcessMemory(process_, address_, data, size, &put) && put == size;
  }

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  size_t size_;
};

bool Send(HWND window, UINT message, WPARAM wparam, LPARAM lparam, DWORD timeout_ms, DWORD_PTR* result) {
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(window, message, wparam, lparam, SMTO_NORMAL, timeout_ms,
                             result ? result : &ignored) != 0;
}

DWORD_PTR SendOrZero(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  return Send(window, message, wparam, lparam, kSendTimeoutMs, &result) ? result : 0;
}

DWORD WindowProcess(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

struct WindowQuery {
  DWORD pid;
  const char* class_name;
  const char* title;
  bool visible_only;
  HWND found;
};

BOOL CALLBACK MatchTopWindow(HWND window, LPARAM param) {
  auto* query = reinterpret_cast<WindowQuery*>(param);
  if (query->pid && WindowProcess(window) != query->pid) return TRUE;
  if (query->visible_only && !IsWindowVisible(window)) return TRUE;
  char text[256] = {};
  GetClassNameA(window, text, sizeof text);
  if (lstrcmpA(text, query->class_name) != 0) return TRUE;
  GetWindowTextA(window, text, sizeof text);
  if (lstrcmpA(text, query->title) != 0) return TRUE;
  query->found = window;
  return FALSE;
}

HWND WaitTopWindow(DWORD pid, const char* class_name, const char* title, bool visible_only, DWORD timeout_ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    WindowQuery query = {pid, class_name, title, visible_only, nullptr};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&query));
    if (query.found) return query.found;
    if (GetTickCount() - start >= timeout_ms) return nullptr;
    Sleep(kPollMs);
  }
}

BOOL CALLBACK FirstStaticText(HWND child, LPARAM param) {
  char class_name[64] = {};
  GetClassNameA(child, class_name, sizeof class_name);
  if (lstrcmpiA(class_name, "Static") != 0) return TRUE;
  char text[1024] = {};
  GetWindowTextA(child, text, sizeof text);
  if (!text[0]) return TRUE;
  *reinterpret_cast<std::string*>(param) = text;
  return FALSE;
}

std::string Convert(const std::string& text, UINT from, UINT to) {
  if (text.empty()) return text;
  int n = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(n));
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  int m = WideCharToMultiByte(to, 0, wide.data(), n, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(m), '\0');
  WideCharToMultiByte(to, 0, wide.data(), n, out.data(), m, nullptr, nullptr);
  return out;
}

}  // namespace

Program::~Program() {
  if (info_.hThread) CloseHandle(info_.hThread);
  if (info_.hProcess) CloseHandle(info_.hProcess);
}

bool Program::Start(const std::string& exe, const std::string& dir) {
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  std::string command = "\"" + exe + "\"";
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  return CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir.empty() ? nullptr : dir.c_str(), &startup, &info_) != 0;
}

bool Program::Running() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

bool Program::WaitExit(DWORD timeout_ms, DWORD* exit_code) {
  if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeout_ms) != WAIT_OBJECT_0) return false;
  if (exit_code) GetExitCodeProcess(info_.hProcess, exit_code);
  return true;
}

void Program::Kill() {
  if (Running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
}

HWND WaitMainWindow(DWORD pid, DWORD timeout_ms) {
  HWND main = WaitTopWindow(pid, kMainClass, kMainTitle, true, timeout_ms);
  if (main && !WaitIdle(main, timeout_ms)) return nullptr;
  return main;
}

HWND WaitMessageBox(DWORD pid, const std::string& caption, DWORD timeout_ms) {
  return WaitTopWindow(pid, "#32770", caption.c_str(), true, timeout_ms);
}

std::string MessageBoxText(HWND box) {
  std::string text;
  EnumChildWindows(box, FirstStaticText, reinterpret_cast<LPARAM>(&text));
  return text;
}

bool PressDialogButton(HWND box, int button_id) {
  HWND button = GetDlgItem(box, button_id);
  return PostMessageA(box, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED), reinterpret_cast<LPARAM>(button)) != 0;
}

bool WaitIdle(HWND window, DWORD timeout_ms) {
  return Send(window, WM_NULL, 0, 0, timeout_ms, nullptr);
}

HWND Control(HWND main, int id) {
  return GetDlgItem(main, id);
}

std::string ControlText(HWND main, int id) {
  char text[1024] = {};
  HWND control = Control(main, id);
  if (!control) return {};
  // WM_GETTEXT is carried across processes by the system.
  Send(control, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), kSendTimeoutMs, nullptr);
  return text;
}

bool SetControlText(HWND main, int id, const std::string& text) {
  HWND control = Control(main, id);
  DWORD_PTR ok = 0;
  return control && Send(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), kSendTimeoutMs, &ok) && ok;
}

bool PasteText(HWND main, int id, const std::string& text, DWORD timeout_ms) {
  HWND box = Control(main, id);
  if (!box || !OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
  bool put = false;
  if (void* bytes = block ? GlobalLock(block) : nullptr) {
    memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(block);
    put = SetClipboardData(CF_TEXT, block) != nullptr;
  }
  if (!put && block) GlobalFree(block);
  CloseClipboard();
  return put && Send(box, WM_PASTE, 0, 0, timeout_ms, nullptr);
}

bool SelectComboIndex(HWND main, int id, int index) {
  HWND combo = Control(main, id);
  if (!combo) return false;
  DWORD_PTR result = 0;
  if (!Send(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0, kSendTimeoutMs, &result) ||
      static_cast<int>(result) != index)
    return false;
  return Send(main, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo), kSendTimeoutMs,
              nullptr);
}

bool SelectComboText(HWND main, int id, const std::string& text) {
  HWND combo = Control(main, id);
  if (!combo) return false;
  DWORD_PTR index = 0;
  if (!Send(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()),
            kSendTimeoutMs, &index) ||
      static_cast<LRESULT>(index) == CB_ERR)
    return false;
  return SelectComboIndex(main, id, static_cast<int>(index));
}

bool ClickButton(HWND main, int id, DWORD timeout_ms) {
  HWND button = Control(main, id);
  return button && Send(button, BM_CLICK, 0, 0, timeout_ms, nullptr);
}

bool ClickAt(HWND main, int id, int x, int y, DWORD timeout_ms) {
  HWND control = Control(main, id);
  return control && Send(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y), timeout_ms, nullptr) &&
         Send(control, WM_LBUTTONUP, 0, MAKELPARAM(x, y), timeout_ms, nullptr);
}

bool IsChecked(HWND main, int id) {
  HWND button = Control(main, id);
  return button && SendOrZero(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND main, int id) {
  HWND control = Control(main, id);
  return control && IsWindowEnabled(control);
}

bool IsVisible(HWND main, int id) {
  HWND control = Control(main, id);
  return control && (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
}

std::string StatusText(HWND main) { return StatusBarText(main, IDC_STATUS); }

std::string StatusBarText(HWND dialog, int id) {
  HWND status = Control(dialog, id);
  if (!status) return {};
  // Some status bars count the length in characters, not bytes: take room.
  DWORD_PTR length = SendOrZero(status, SB_GETTEXTLENGTHA, 0, 0);
  const size_t size = 2 * static_cast<size_t>(LOWORD(length)) + 2;
  RemoteBuffer buffer(status, size);
  if (!buffer.Ok() || !Send(status, SB_GETTEXTA, 0, buffer.Address(), kSendTimeoutMs, nullptr)) return {};
  std::vector<char> text(size, '\0');
  if (!buffer.Read(text.data(), size)) return {};
  text.back() = '\0';
  return text.data();
}

int ItemCount(HWND main, int id) {
  HWND list = Control(main, id);
  return list ? static_cast<int>(SendOrZero(list, LVM_GETITEMCOUNT, 0, 0)) : -1;
}

bool ItemScreenRect(HWND main, int id, int item, RECT* rect) {
  HWND list = Control(main, id);
  if (!list) return false;
  RemoteBuffer buffer(list, sizeof(RECT));
  RECT bounds = {};
  bounds.left = LVIR_BOUNDS;
  DWORD_PTR ok = 0;
  if (!buffer.Ok() || !buffer.Write(&bounds, sizeof bounds) ||
      !Send(list, LVM_GETITEMRECT, static_cast<WPARAM>(item), buffer.Address(), kSendTimeoutMs, &ok) || !ok ||
      !buffer.Read(&bounds, sizeof bounds))
    return false;
  MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&bounds), 2);
  *rect = bounds;
  return true;
}

int SelectedTab(HWND main) {
  HWND tab = Control(main, IDC_TAB);
  return tab ? static_cast<int>(static_cast<LRESULT>(SendOrZero(tab, TCM_GETCURSEL, 0, 0))) : -1;
}

bool SelectTab(HWND main, int index) {
  HWND tab = Control(main, IDC_TAB);
  if (!tab) return false;
  RemoteBuffer buffer(tab, sizeof(RECT));
  DWORD_PTR ok = 0;
  RECT rect = {};
  if (buffer.Ok() && Send(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), buffer.Address(), kSendTimeoutMs, &ok) &&
      ok && buffer.Read(&rect, sizeof rect)) {
    // A click on the tab, so the control sends its own TCN_SELCHANGE.
    LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    Send(tab, WM_LBUTTONDOWN, MK_LBUTTON, at, kSendTimeoutMs, nullptr);
    Send(tab, WM_LBUTTONUP, 0, at, kSendTimeoutMs, nullptr);
  }
  return SelectedTab(main) == index;
}

bool Repaint(HWND main, DWORD timeout_ms) {
  // Painting waits for an empty queue; the update makes the window's thread
  // paint everything that is invalid before it answers.
  RedrawWindow(main, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return WaitIdle(main, timeout_ms);
}

bool CloseMainWindow(HWND main, DWORD timeout_ms) {
  PostMessageA(main, WM_CLOSE, 0, 0);
  const DWORD start = GetTickCount();
  while (IsWindow(main)) {
    if (GetTickCount() - start >= timeout_ms) return false;
    Sleep(kPollMs);
  }
  return true;
}

std::string Cp932ToUtf8(const std::string& text) {
  return Convert(text, 932, CP_UTF8);
}

std::string Utf8ToCp932(const std::string& text) {
  return Convert(text, CP_UTF8, 932);
}

bool SelectListRow(HWND main, int id, int row) {
  HWND list = Control(main, id);
  if (!list) return false;
  RemoteBuffer buffer(list, sizeof(LVITEMA));
  LVITEMA item = {};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  if (!buffer.Ok() || !buffer.Write(&item, sizeof item)) return false;
  Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), buffer.Address(), kSendTimeoutMs, nullptr);
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  DWORD_PTR ok = 0;
  return buffer.Write(&item, sizeof item) &&
         Send(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), buffer.Address(), kSendTimeoutMs, &ok) && ok;
}

std::string ListCell(HWND main, int id, int row, int column) {
  HWND list = Control(main, id);
  if (!list) return {};
  constexpr int kTextBytes = 1024;
  // The item and its text buffer, side by side in the program's memory.
  RemoteBuffer buffer(list, sizeof(LVITEMA) + kTextBytes);
  if (!buffer.Ok()) return {};
  LVITEMA item = {};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<char*>(buffer.Address() + sizeof(LVITEMA));
  item.cchTextMax = kTextBytes;
  if (!buffer.Write(&item, sizeof item) ||
      !Send(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), buffer.Address(), kSendTimeoutMs, nullptr))
    return {};
  std::vector<char> bytes(sizeof(LVITEMA) + kTextBytes);
  if (!buffer.Read(bytes.data(), bytes.size())) return {};
  bytes.back() = '\0';
  return bytes.data() + sizeof(LVITEMA);
}

bool DoubleClickRow(HWND main, int id, int row, DWORD timeout_ms) {
  HWND list = Control(main, id);
  RECT rect = {};
  if (!list || !Send(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE, timeout_ms, nullptr) ||
      !ItemScreenRect(main, id, row, &rect))
    return false;
  POINT at = {rect.left + 8, (rect.top + rect.bottom) / 2};
  ScreenToClient(list, &at);
  return Send(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y), timeout_ms, nullptr) &&
         Send(list, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y), timeout_ms, nullptr);
}

int RowHeight(HWND main, int id) {
  HWND list = Control(main, id);
  if (!list) return 0;
  RemoteBuffer buffer(list, sizeof(RECT));
  RECT rect = {};
  rect.left = LVIR_BOUNDS;
  DWORD_PTR ok = 0;
  if (!buffer.Ok() || !buffer.Write(&rect, sizeof rect) ||
      !Send(list, LVM_GETITEMRECT, 0, buffer.Address(), kSendTimeoutMs, &ok) || !ok || !buffer.Read(&rect, sizeof rect))
    return 0;
  return rect.bottom - rect.top;
}

HWND WaitSettingsSheet(DWORD pid, DWORD timeout_ms) {
  return WaitTopWindow(pid, "#32770", "設定", true, timeout_ms);
}

HWND OpenSettingsSheet(HWND main, DWORD timeout_ms) {
  if (HWND open = WaitSettingsSheet(WindowProcess(main), 0)) return open;
  PostMessageA(main, WM_COMMAND, IDM_SETTINGS, 0);
  HWND sheet = WaitSettingsSheet(WindowProcess(main), timeout_ms);
  return sheet && WaitIdle(sheet, timeout_ms) ? sheet : nullptr;
}

HWND ShowSheetPage(HWND sheet, int index) {
  DWORD_PTR ok = 0;
  if (!Send(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0, kSendTimeoutMs, &ok) || !ok) return nullptr;
  return reinterpret_cast<HWND>(SendOrZero(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

bool CloseSettingsSheet(HWND sheet, bool ok, DWORD timeout_ms) {
  // Posted as a click is: the sheet's loop looks at its end only after a
  // posted message, so a sent PSM_PRESSBUTTON would leave it waiting.
  if (!PressDialogButton(sheet, ok ? IDOK : IDCANCEL)) return false;
  const DWORD start = GetTickCount();
  while (IsWindow(sheet)) {
    if (GetTickCount() - start >= timeout_ms) return false;
    Sleep(kPollMs);
  }
  return true;
}

}  // namespace driver
