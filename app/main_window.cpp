#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "app/app_state.h"
#include "app/build_dialog.h"
#include "app/child_controls.h"
#include "app/commands.h"
#include "app/conditions.h"
#include "app/downloads_ui.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/menus.h"
#include "app/result_pages.h"
#include "app/saved_lists_ui.h"
#include "app/search_mode.h"
#include "app/settings_load.h"
#include "app/texts.h"
#include "transfer/drop_source.h"
#include "transfer/row_drag.h"
#include "rows/row_painting.h"
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

// Both lists' files are rewritten once: at close, or at destroy when the
// window did not close first.
void SaveSavedListsOnce(HWND window, AppState& app) {
  if (app.savedListsWritten) return;
  app.savedListsWritten = true;
  SaveSavedLists(window, app.controls, app.files);
}

void OnClose(HWND window) {
  g_app.dropSource.reset();
  // The lists are saved while the window still shows, so a report of a
  // file that could not be written appears over it.
  SaveSavedListsOnce(window, g_app);
}

void OnDestroy(HWND window) {
  g_app.listFont.reset();
  SaveSavedListsOnce(window, g_app);
  g_app.addressRows.Clear();
  g_app.officeRows.Clear();
  g_app.resultCount = 0;
  SaveSettings(g_app.controls, g_app.settings);
  PostQuitMessage(0);
}

// The system ends the process after a session end without closing or
// destroying the window: save what they save.
void OnEndSession(HWND window, WPARAM ending) {
  if (!ending) return;
  SaveSavedListsOnce(window, g_app);
  SaveSettings(g_app.controls, g_app.settings);
}

void OnDrawItem(WPARAM id, const DRAWITEMSTRUCT& item) {
  if (id == 0) {
    DrawMenuItem(item, g_app.menuSlots, g_app.menuImages);
    return;
  }
  const ResultPage* page = ResultPageOfId(static_cast<int>(id));
  if (page != nullptr && IsWindowVisible(g_app.controls.*page->list)) page->drawRow(g_app, item);
}

void OnMeasureItem(HWND window, WPARAM id, MEASUREITEMSTRUCT& item) {
  if (id == 0) {
    MeasureMenuItem(window, g_app.menuSlots, item);
  } else if (ResultPageOfId(static_cast<int>(id)) != nullptr) {
    MeasureListRow(item, g_app.settings.fontSizeIndex);
  }
}

void OnNotify(HWND window, WPARAM id, const NMHDR& header) {
  const Controls& c = g_app.controls;
  if (id == IDC_TAB && header.code == TCN_SELCHANGE) {
    SwitchTabPage(c, static_cast<int>(SendMessageA(c.tab, TCM_GETCURSEL, 0, 0)));
    return;
  }
  const ResultPage* page = ResultPageOfList(c, header.hwndFrom);
  if (page != nullptr && header.code == NM_CLICK) {
    ShowFirstSelectedRow(g_app, *page);
  } else if (page != nullptr && header.code == NM_DBLCLK) {
    SendMessageA(window, WM_COMMAND, IDM_COPY, 0);
  } else if (page != nullptr && header.code == LVN_BEGINDRAG) {
    page->dragRow(g_app);
  } else if (header.hwndFrom == c.conditionList && header.code == NM_DBLCLK) {
    RestoreSelectedCondition(window, g_app);
  }
}

void EnableMenuCommand(HMENU menu, UINT command, bool enable) {
  EnableMenuItem(menu, command, MF_BYCOMMAND | (enable ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
}

void OnInitMenuPopup(HWND window) {
  const ResultPage* page = VisibleResultPage(g_app.controls);
  const bool rowSelected = page != nullptr && FirstSelectedItem(g_app.controls.*page->list) >= 0;
  for (UINT command : {IDM_PROPERTIES, IDM_COPY, IDM_RECORD}) EnableMenuCommand(GetMenu(window), command, rowSelected);
}

void OnCreate(HWND window) {
  AppState& app = g_app;
  app.files = datafiles::MakeFileSet(ProgramDirectoryForStart());
  CreateChildControls(window, app.controls);
  MakeMenuOwnerDrawn(window, app.menuSlots);
  LoadSettings(app.controls, app.settings);
  Settings& settings = app.settings;
  settings.fontSizeIndex = ValidFontSizeIndex(settings.fontSizeIndex);

  // A saved mode outside 0..2 checks no radio button.
  HWND modeButton = nullptr;
  if (settings.searchMode != postal::SearchMode::kNone) {
    CheckModeRadio(window, app.controls, settings.searchMode);
    modeButton = GetDlgItem(window, IDC_RADIO_NUMBER + postal::RadioIndexOf(settings.searchMode));
    SetFocus(modeButton);
  }

  SendMessageA(app.controls.prefecture, CB_SETCURSEL, 0, 0);
  LoadSavedLists(app.controls, app.files);
  if (ExtractDownloadsAtStart(window, app.files)) settings.storedDate.clear();
  RunStartupDataCheck(window, app);
  // A build dialog takes the focus with it when it closes.
  if (modeButton != nullptr) SetFocus(modeButton);
  LoadPrefectureSetting(app.controls);
  app.listFont = ApplyListFont(window, app.controls, FontSizeTable[settings.fontSizeIndex]);
  LoadColumnWidths(app.controls, settings, app.listFont.get());
  CheckMenuRadioItem(GetMenu(window), IDM_FONT_LARGEST, IDM_FONT_SMALLEST,
                     IDM_FONT_LARGEST + static_cast<UINT>(settings.fontSizeIndex), MF_BYCOMMAND);
  app.dropSource = MakeTextDropSource();
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
  return CreateWindowExA(0, texts::kWindowClass, texts::kWindowTitle, WS_OVERLAPPEDWINDOW, rect.x, rect.y, rect.width,
                         rect.height, nullptr, nullptr, instance, nullptr);
}

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      OnCreate(window);
      return 0;
    case WM_DESTROY:
      OnDestroy(window);
      return 0;
    case WM_ENDSESSION:
      OnEndSession(window, wParam);
      return 0;
    case WM_SIZE:
      LayoutMainWindow(window, g_app.controls);
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
      if (AnswerResultListNotify(g_app.controls, *reinterpret_cast<NMHDR*>(lParam), answer)) return answer;
      OnNotify(window, wParam, *reinterpret_cast<const NMHDR*>(lParam));
      return 0;
    }
    case WM_CONTEXTMENU:
      ShowContextMenu(window, g_app.controls, g_app.menuSlots, reinterpret_cast<HWND>(wParam), lParam);
      return 0;
    case WM_COMMAND:
      OnCommand(window, g_app, wParam, lParam);
      return 0;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(window);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

HIMAGELIST LoadMenuImages(HINSTANCE instance) {
  return ImageList_LoadImageA(instance, texts::kImagesResource, kMenuImageWidth, 1, kMenuImageMask, IMAGE_BITMAP, 0);
}

namespace {

bool IsModelessDialogMessage(std::initializer_list<const HWND*> modeless, MSG& message) {
  for (const HWND* dialog : modeless) {
    if (*dialog != nullptr && IsDialogMessageA(*dialog, &message)) return true;
  }
  return false;
}

}  // namespace

int RunMessageLoop(HWND window, HACCEL accelerators, std::initializer_list<const HWND*> modeless) {
  MSG message = {};
  while (GetMessageA(&message, nullptr, 0, 0)) {
    // A dialog's own keys (Enter for its search, Esc, Tab) stay in it.
    if (IsModelessDialogMessage(modeless, message)) continue;
    // Accelerators first: Enter always becomes the Enter command, never a
    // default-button press of the dialog navigation.
    if (TranslateAcceleratorA(window, accelerators, &message)) continue;
    if (IsDialogMessageA(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace kuranto
