#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/shell.h"
#include "app/texts.h"
#include "transfer/drop_source.h"
#include "transfer/row_drag.h"
#include "transfer/row_painting.h"
#include "win32/list_view.h"

namespace kuranto {

namespace {

constexpr COLORREF kMenuImageMask = RGB(192, 192, 192);
constexpr int kMenuImageWidth = 16;

void OnPaint(HWND window) {
  ScopedPaint dc(window);
  RECT groove;
  GetClientRect(window, &groove);
  // A one-line groove under the menu bar across the whole width.
  groove.left = 0;
  groove.bottom = 1;
  DrawEdge(dc, &groove, EDGE_ETCHED, BF_TOP);
}

void OnClose(HWND window) {
  g_app.dropSource.reset();
  // The lists are saved while the window still shows, so a report of a
  // file that could not be written appears over it.
  SaveSavedLists(window);
}

void OnDestroy(HWND window) {
  g_app.listFont.reset();
  SaveSavedLists(window);
  postal::FreeAddressRows(g_app.addressRows);
  postal::FreeOfficeRows(g_app.officeRows);
  g_app.resultCount = 0;
  SaveSettings();
  PostQuitMessage(0);
}

// The system ends the process after a session end without closing or
// destroying the window: save what they save.
void OnEndSession(HWND window, WPARAM ending) {
  if (!ending) return;
  SaveSavedLists(window);
  SaveSettings();
}

void OnDrawItem(WPARAM id, const DRAWITEMSTRUCT& item) {
  const Controls& c = g_app.controls;
  if (id == 0) {
    DrawMenuItem(item);
  } else if (id == IDC_ADDRESS_LIST && IsWindowVisible(c.addressList)) {
    DrawAddressRow(item, g_app.addressRows, DisplayFlagsOf(g_app.settings));
  } else if (id == IDC_OFFICE_LIST && IsWindowVisible(c.officeList)) {
    DrawOfficeRow(item, g_app.officeRows, DisplayFlagsOf(g_app.settings));
  }
}

void OnMeasureItem(HWND window, WPARAM id, MEASUREITEMSTRUCT& item) {
  if (id == 0) {
    MeasureMenuItem(window, item);
  } else if (id == IDC_ADDRESS_LIST || id == IDC_OFFICE_LIST) {
    MeasureListRow(item);
  }
}

void DragFirstSelectedRow(HWND list) {
  const Settings& s = g_app.settings;
  if (list == g_app.controls.addressList) {
    BeginRowDrag(list, g_app.addressRows, s.addressTemplate, DisplayFlagsOf(s), g_app.dropSource.get());
  } else {
    BeginRowDrag(list, g_app.officeRows, s.officeTemplate, DisplayFlagsOf(s), g_app.dropSource.get());
  }
}

void OnNotify(HWND window, WPARAM id, const NMHDR& header) {
  const Controls& c = g_app.controls;
  if (id == IDC_TAB && header.code == TCN_SELCHANGE) {
    SwitchTabPage(static_cast<int>(SendMessageA(c.tab, TCM_GETCURSEL, 0, 0)));
    return;
  }
  const bool resultList = header.hwndFrom == c.addressList || header.hwndFrom == c.officeList;
  if (resultList && header.code == NM_CLICK) {
    ShowFirstSelectedRow(header.hwndFrom);
  } else if (resultList && header.code == NM_DBLCLK) {
    SendMessageA(window, WM_COMMAND, IDM_COPY, 0);
  } else if (resultList && header.code == LVN_BEGINDRAG) {
    DragFirstSelectedRow(header.hwndFrom);
  } else if (header.hwndFrom == c.conditionList && header.code == NM_DBLCLK) {
    RestoreSelectedCondition();
  }
}

void EnableMenuCommand(HMENU menu, UINT command, bool enable) {
  EnableMenuItem(menu, command, MF_BYCOMMAND | (enable ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
}

void OnInitMenuPopup(HWND window) {
  HMENU menu = GetMenu(window);
  const Controls& c = g_app.controls;
  const UINT rowCommands[] = {IDM_PROPERTIES, IDM_COPY, IDM_RECORD};
  bool rowSelected = false;
  for (HWND list : {c.addressList, c.officeList}) {
    if (IsWindowVisible(list) && FirstSelectedItem(list) >= 0) rowSelected = true;
  }
  for (UINT command : rowCommands) EnableMenuCommand(menu, command, rowSelected);
}

}  // namespace

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  if (GetClassInfoA(instance, texts::kWindowClass, &windowClass)) return true;
  windowClass.style = 0;
  windowClass.lpfnWndProc = MainWndProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, texts::kIconResource);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
  windowClass.lpszMenuName = texts::kMenuResource;
  windowClass.lpszClassName = texts::kWindowClass;
  return RegisterClassA(&windowClass) != 0;
}

HINSTANCE WindowInstance(HWND window) {
  return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

HWND CreateMainWindow(HINSTANCE instance) {
  if (!RegisterMainWindowClass(instance)) return nullptr;
  const WindowRect rect = LoadWindowRect();
  HWND window = CreateWindowExA(0, texts::kWindowClass, texts::kWindowTitle, WS_OVERLAPPEDWINDOW, rect.x, rect.y,
                                rect.width, rect.height, nullptr, nullptr, instance, nullptr);
  g_app.mainWindow = window;
  g_app.instance = instance;
  return window;
}

void OnCreateMainWindow(HWND window) {
  g_app.files = datafiles::MakeFileSet(ProgramDirectoryForStart());
  CreateChildControls(window);
  LoadSettings();
  Settings& settings = g_app.settings;
  settings.fontSizeIndex = ValidFontSizeIndex(settings.fontSizeIndex);

  // A saved mode outside 0..2 checks no radio button.
  HWND modeButton = nullptr;
  if (settings.searchMode != postal::SearchMode::kNone) {
    const int radio = IDC_RADIO_NUMBER + postal::RadioIndexOf(settings.searchMode);
    CheckRadioButton(window, IDC_RADIO_NUMBER, IDC_RADIO_FUZZY, radio);
    SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(radio), 0);
    if (radio == IDC_RADIO_NUMBER) UpdateAreaPlaceState();
    modeButton = GetDlgItem(window, radio);
    SetFocus(modeButton);
  }

  SendMessageA(g_app.controls.prefecture, CB_SETCURSEL, 0, 0);
  LoadSavedLists();
  ImportUtf8EditionAtStart(window);
  RunStartupDataCheck(window);
  // A build dialog takes the focus with it when it closes.
  if (modeButton != nullptr) SetFocus(modeButton);
  LoadPrefectureSetting();
  ApplyListFont(window, g_app.controls.addressList, FontSizeTable[settings.fontSizeIndex]);
  CheckMenuRadioItem(GetMenu(window), IDM_FONT_LARGEST, IDM_FONT_SMALLEST,
                     IDM_FONT_LARGEST + static_cast<UINT>(settings.fontSizeIndex), MF_BYCOMMAND);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreateMainWindow(window);
      g_app.dropSource = MakeTextDropSource();
      return 0;
    case WM_DESTROY:
      OnDestroy(window);
      return 0;
    case WM_ENDSESSION:
      OnEndSession(window, wParam);
      return 0;
    case WM_SIZE:
      LayoutMainWindow(window);
      return 0;
    case WM_PAINT:
      OnPaint(window);
      return 0;
    case WM_CLOSE:
      OnClose(window);
      return DefWindowProcA(window, message, wParam, lParam);
    case WM_DRAWITEM:
      OnDrawItem(wParam, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return 0;
    case WM_MEASUREITEM:
      OnMeasureItem(window, wParam, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
      return 0;
    case WM_NOTIFY: {
      LRESULT answer = 0;
      if (AnswerResultListNotify(*reinterpret_cast<NMHDR*>(lParam), answer)) return answer;
      OnNotify(window, wParam, *reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    }
    case WM_CONTEXTMENU:
      ShowContextMenu(window, reinterpret_cast<HWND>(wParam), lParam);
      return 0;
    case WM_COMMAND:
      OnCommand(window, wParam, lParam);
      return 0;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HIMAGELIST LoadMenuImages(HINSTANCE instance) {
  g_app.menuImages = ImageList_LoadImageA(instance, texts::kImagesResource, kMenuImageWidth, 1, kMenuImageMask,
                                          IMAGE_BITMAP, 0);
  return g_app.menuImages;
}

int RunMessageLoop(HWND window) {
  MSG message = {};
  while (GetMessageA(&message, nullptr, 0, 0)) {
    // Accelerators first: Enter always becomes the Enter command, never a
    // default-button press of the dialog navigation.
    if (TranslateAcceleratorA(window, g_app.accelerators, &message)) continue;
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace kuranto
