#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <iterator>
#include <vector>

#include "app/app_state.h"
#include "app/child_controls.h"
#include "app/commands.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/search_mode.h"
#include "app/texts.h"
#include "postal/templates.h"
#include "win32/scoped.h"

namespace kuranto {

namespace {

constexpr DWORD kDropDownList = WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST;
constexpr DWORD kInputBox = WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kPushButton = WS_VISIBLE | WS_TABSTOP;
// Owner data: the list stores no items, item i is row i of the table
// (AnswerResultListNotify), so filling and emptying cost nothing per row.
constexpr DWORD kResultList = LVS_REPORT | LVS_OWNERDRAWFIXED | LVS_OWNERDATA;

struct ControlPlan {
  int id;
  const char* className;
  bool edge;
  const char* caption;
  int left, top, width, height;
  DWORD style;  // beyond WS_CHILD
  HWND Controls::*handle;
};

// In creation order, which is also the Tab order. The status bar (made by
// CreateStatusWindowA) comes third.
const ControlPlan kBeforeStatus[] = {
    {IDC_ADDRESS_LIST, WC_LISTVIEWA, true, "", 0, 0, 0, 0, WS_VISIBLE | WS_TABSTOP | kResultList,
     &Controls::addressList},
    {IDC_OFFICE_LIST, WC_LISTVIEWA, true, "", 0, 0, 0, 0, WS_TABSTOP | kResultList, &Controls::officeList},
};

const ControlPlan kAfterStatus[] = {
    {IDC_CONDITION_LIST, WC_LISTVIEWA, true, "", 14, 34, 442, 102, WS_TABSTOP | LVS_REPORT | LVS_NOSORTHEADER,
     &Controls::conditionList},
    {IDC_RECORD_LIST, WC_LISTVIEWA, true, "", 14, 34, 442, 102, WS_TABSTOP | LVS_REPORT, &Controls::recordList},
    {IDC_RADIO_NUMBER, "BUTTON", false, "番号", 22, 40, 50, 20, WS_VISIBLE | BS_AUTORADIOBUTTON,
     &Controls::radioNumber},
    {IDC_RADIO_PLACE, "BUTTON", false, "場所", 22, 70, 50, 20, WS_VISIBLE | BS_AUTORADIOBUTTON, &Controls::radioPlace},
    {IDC_RADIO_FUZZY, "BUTTON", false, "あいまい", 22, 100, 80, 20, WS_VISIBLE | BS_AUTORADIOBUTTON,
     &Controls::radioFuzzy},
    {IDC_CHECK_IME, "BUTTON", false, "IME自動切替", 340, 102, 100, 20, WS_VISIBLE | BS_AUTOCHECKBOX,
     &Controls::checkIme},
    {IDC_NUMBER_KIND, "COMBOBOX", false, "", 90, 40, 80, 160, kDropDownList, &Controls::numberKind},
    {IDC_CHAR_WIDTH, "COMBOBOX", false, "", 110, 100, 60, 60, kDropDownList, &Controls::charWidth},
    {IDC_PREFECTURE, "COMBOBOX", false, "", 90, 70, 80, 300, kDropDownList, &Controls::prefecture},
    {IDC_NUMBER, "EDIT", true, "", 180, 40, 80, 20, kInputBox, &Controls::number},
    {IDC_AREA_PLACE, "COMBOBOX", false, "", 270, 40, 170, 300, kDropDownList, &Controls::areaPlace},
    {IDC_CITY, "COMBOBOX", false, "", 180, 70, 120, 300, kDropDownList, &Controls::city},
    {IDC_TOWN, "EDIT", true, "", 340, 70, 100, 20, kInputBox, &Controls::town},
    {IDC_DISPLAY, "EDIT", true, "", 2, kDisplayTop, 508, kDisplayHeight, WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL,
     &Controls::display},
    {IDC_FUZZY, "EDIT", true, "", 180, 100, 100, 20, kInputBox, &Controls::fuzzy},
    {IDC_TOWN_LABEL, "STATIC", false, "町域", 306, 76, 30, 20, WS_VISIBLE, &Controls::townLabel},
    {IDC_SEARCH, "BUTTON", false, "検索開始(&I)", 470, 30, 90, 20, kPushButton, &Controls::search},
    {IDC_NEW_CONDITION, "BUTTON", false, "新しい条件(&W)", 470, 62, 90, 20, kPushButton, &Controls::newCondition},
    {IDC_REGISTER_CONDITION, "BUTTON", false, "条件を登録(&R)", 470, 86, 90, 20, kPushButton,
     &Controls::registerCondition},
    {IDM_COPY, "BUTTON", false, "CLIP(&C)", 470, 120, 90, 20, kPushButton, &Controls::clip},
    {IDC_TAB, WC_TABCONTROLA, false, "", 10, 10, 450, 130, WS_VISIBLE | WS_CLIPSIBLINGS, &Controls::tab},
};

// What a column must show whole at its default width, beyond its own width.
enum class Fit { kWidth, kPostalCode, kOldNumber, kKana };

struct Column {
  const char* title;
  int width;  // the least default width
  Fit fit = Fit::kWidth;
};

constexpr Fit kCode = Fit::kPostalCode, kKana = Fit::kKana, kOld = Fit::kOldNumber;
const Column kAddressColumns[] = {{"郵便番号", 60, kCode}, {"都道府県", 60}, {"カナ", 20, kKana},
                                  {"市区町村", 120},       {"カナ", 20, kKana}, {"町域", 130},
                                  {"カナ", 20, kKana},     {"市区町村ｺｰﾄﾞ", 60}, {"旧番号", 50, kOld}};
const Column kOfficeColumns[] = {{"郵便番号", 60, kCode}, {"大口客先名", 80}, {"カナ", 20, kKana},
                                 {"都道府県", 60},        {"市区町村", 80},   {"町域", 120},
                                 {"市区町村ｺｰﾄﾞ", 60},    {"旧番号", 50, kOld}};
// A cell's text is drawn 2 pixels inside each side of its label, which
// itself starts a little inside the column.
constexpr int kCellMargin = 12;
constexpr char kSevenDigits[] = "0000000";
constexpr char kOldDigits[] = "00000";
const Column kConditionColumns[] = {{"種類", 40}, {"選択", 70}, {"項目１", 100}, {"項目２", 100}, {"項目３", 100}};
const Column kRecordColumns[] = {{"記録", 640}};

// In postal::NumberKind order.
const char* const kNumberKinds[] = {"旧番号", "新番号", "市区町村ｺｰﾄﾞ", texts::kAreaCodeKind};
// kFullWidthItem first.
const char* const kCharWidths[] = {"全角", "半角"};
const char* const kPrefectures[] = {
    "北海道", "青森県", "岩手県", "宮城県", "秋田県", "山形県", "福島県", "茨城県", "栃木県", "群馬県",
    "埼玉県", "千葉県", "東京都", "神奈川県", "新潟県", "富山県", "石川県", "福井県", "山梨県", "長野県",
    "岐阜県", "静岡県", "愛知県", "三重県", "滋賀県", "京都府", "大阪府", "兵庫県", "奈良県", "和歌山県",
    "鳥取県", "島根県", "岡山県", "広島県", "山口県", "徳島県", "香川県", "愛媛県", "高知県", "福岡県",
    "佐賀県", "長崎県", "熊本県", "大分県", "宮崎県", "鹿児島県", "沖縄県"};

const char* const kTabs[kTabPageCount] = {"住所", "事業所", "条件と記録"};

template <size_t N>
void InsertColumns(HWND list, const Column (&columns)[N], DWORD extendedStyle) {
  for (size_t i = 0; i < N; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = columns[i].width;
    column.pszText = const_cast<char*>(columns[i].title);
    column.iSubItem = static_cast<int>(i);
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, extendedStyle);
}

template <size_t N>
void AddStrings(HWND combo, const char* const (&items)[N]) {
  for (const char* item : items) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
}

HWND CreateControl(HWND window, HINSTANCE instance, const ControlPlan& plan, Controls& controls) {
  HWND control = CreateWindowExA(plan.edge ? WS_EX_CLIENTEDGE : 0, plan.className, plan.caption, WS_CHILD | plan.style,
                                 plan.left, plan.top, plan.width, plan.height, window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(plan.id)), instance, nullptr);
  controls.*plan.handle = control;
  return control;
}

void SetColumnsOf(const Controls& c, HWND list) {
  if (list == c.addressList) InsertColumns(list, kAddressColumns, LVS_EX_HEADERDRAGDROP);
  if (list == c.officeList) InsertColumns(list, kOfficeColumns, LVS_EX_HEADERDRAGDROP);
  if (list == c.conditionList) InsertColumns(list, kConditionColumns, LVS_EX_FULLROWSELECT);
  if (list == c.recordList) InsertColumns(list, kRecordColumns, LVS_EX_FULLROWSELECT);
}

void CreateTable(HWND window, HINSTANCE instance, const ControlPlan* begin, const ControlPlan* end, Controls& controls) {
  for (const ControlPlan* plan = begin; plan != end; ++plan) {
    HWND control = CreateControl(window, instance, *plan, controls);
    if (std::strcmp(plan->className, WC_LISTVIEWA) == 0) SetColumnsOf(controls, control);
  }
}

void InsertTabs(HWND tab) {
  SendMessageA(tab, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  for (int i = 0; i < kTabPageCount; ++i) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(kTabs[i]);
    SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
}

void SetGuiFont(const Controls& c) {
  const HWND controls[] = {c.search,     c.newCondition, c.registerCondition, c.clip,     c.radioNumber,
                           c.radioPlace, c.radioFuzzy,   c.numberKind,        c.charWidth, c.prefecture,
                           c.areaPlace,  c.city,         c.checkIme,          c.number,    c.town,
                           c.fuzzy,      c.townLabel};
  const WPARAM font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
  for (HWND control : controls) SendMessageA(control, WM_SETFONT, font, FALSE);
}

}  // namespace

void CreateChildControls(HWND window, Controls& c) {
  InitCommonControls();
  HINSTANCE instance = WindowInstance(window);
  CreateTable(window, instance, std::begin(kBeforeStatus), std::end(kBeforeStatus), c);
  c.status = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP, "", window, IDC_STATUS);
  CreateTable(window, instance, std::begin(kAfterStatus), std::end(kAfterStatus), c);
  InsertTabs(c.tab);

  AddStrings(c.numberKind, kNumberKinds);
  AddStrings(c.charWidth, kCharWidths);
  AddStrings(c.prefecture, kPrefectures);
  SendMessageA(c.numberKind, CB_SETCURSEL, 0, 0);
  SendMessageA(c.charWidth, CB_SETCURSEL, kFullWidthItem, 0);
  ApplyModeEnabling(c, postal::SearchMode::kNumber);
  SetGuiFont(c);
}

namespace {

int TextWidth(HDC dc, const std::string& text) {
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

// `digits` drawn in the face's widest digit, hyphenated as the display has it.
int WidestCodeWidth(HDC dc, const char* digits, const postal::DisplayFlags& flags) {
  int widest = 0;
  for (char digit = '0'; digit <= '9'; ++digit) {
    std::string code(std::strlen(digits), digit);
    if (flags.hyphen) postal::InsertPostalHyphen(code);
    widest = std::max(widest, TextWidth(dc, code));
  }
  return widest;
}

int ContentWidth(HDC dc, Fit fit, const postal::DisplayFlags& flags) {
  switch (fit) {
    case Fit::kPostalCode: return WidestCodeWidth(dc, kSevenDigits, flags);
    case Fit::kOldNumber: return WidestCodeWidth(dc, kOldDigits, flags);
    case Fit::kKana: return TextWidth(dc, flags.hiragana ? texts::kHiraganaWidthSample : texts::kKanaWidthSample);
    case Fit::kWidth: break;
  }
  return 0;
}

}  // namespace

std::vector<int> DefaultColumnWidths(const Controls& controls, HWND list, HFONT font, const postal::DisplayFlags& flags) {
  std::vector<int> widths;
  ScopedGetDC dc(list);
  ScopedSelectObject selected(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  const auto add = [&](const auto& columns) {
    for (const Column& column : columns) {
      const int content = font == nullptr ? 0 : ContentWidth(dc, column.fit, flags) + kCellMargin;
      widths.push_back(std::max(column.width, content));
    }
  };
  if (list == controls.addressList) add(kAddressColumns);
  if (list == controls.officeList) add(kOfficeColumns);
  return widths;
}

void SwitchTabPage(const Controls& c, int page) {
  if (page < 0 || page >= kTabPageCount) return;
  // The search form shows on the two result pages, the two lists on the third.
  const HWND formControls[] = {c.radioNumber, c.radioPlace, c.radioFuzzy, c.checkIme, c.numberKind,
                               c.charWidth,   c.prefecture, c.areaPlace,  c.townLabel, c.number,
                               c.city,        c.town,       c.fuzzy};
  const HWND listControls[] = {c.conditionList, c.recordList};
  const bool formPage = page != kConditionsPage;
  for (HWND control : formControls) ShowWindow(control, formPage ? SW_SHOW : SW_HIDE);
  for (HWND control : listControls) ShowWindow(control, formPage ? SW_HIDE : SW_SHOW);
  if (formPage) SetWindowTextA(c.radioFuzzy, page == kAddressPage ? texts::kFuzzyCaption : texts::kOfficeNameCaption);
  ShowWindow(c.addressList, page == kAddressPage ? SW_SHOW : SW_HIDE);
  ShowWindow(c.officeList, page == kOfficePage ? SW_SHOW : SW_HIDE);
  EnableWindow(c.clip, formPage);
  EnableWindow(c.search, formPage);
  EnableWindow(c.registerCondition, formPage);
}

}  // namespace kuranto
