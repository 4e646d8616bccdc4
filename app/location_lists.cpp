#include <windows.h>

#include <string>

#include "app/core_calls.h"
#include "app/shell.h"
#include "datafiles/index_load.h"

namespace kuranto {

namespace {

constexpr int kFieldBytes = 256;

std::string ComboText(HWND combo) {
  char text[kFieldBytes] = {};
  GetWindowTextA(combo, text, kFieldBytes);
  return text;
}

void AddItems(HWND combo, const std::vector<std::string>& items) {
  for (const std::string& item : items) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

}  // namespace

void EmptyComboBox(HWND combo) {
  const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) SendMessageA(combo, CB_DELETESTRING, 0, 0);
}

void FillCityList() {
  const Controls& c = g_app.controls;
  AddItems(c.city, datafiles::ReadCityList(g_app.files.cityList, ComboText(c.prefecture)));
}

void FillAreaPlaceList() {
  const Controls& c = g_app.controls;
  AddItems(c.areaPlace, AreaPlaces(g_app.files.areaCodes, ComboText(c.number)));
}

void UpdateAreaPlaceState() {
  const Controls& c = g_app.controls;
  EnableWindow(c.areaPlace, AreaPlacesEnabled(ComboText(c.numberKind)));
}

}  // namespace kuranto
