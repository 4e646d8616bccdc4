#include <windows.h>

#include <string>
#include <vector>

#include "app/shell.h"
#include "datafiles/area_codes.h"
#include "datafiles/index_load.h"
#include "datafiles/index_store.h"
#include "win32/form_controls.h"

namespace kuranto {

namespace {

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
  const std::string cityList = datafiles::IndexFileBytes(g_app.files.cityList, g_app.heldIndexes);
  AddItems(c.city, datafiles::CitiesOf(cityList, TextOf(c.prefecture)));
}

void FillAreaPlaceList() {
  const Controls& c = g_app.controls;
  AddItems(c.areaPlace, datafiles::AreaPlacesFor(g_app.files.areaCodes, TextOf(c.number)));
}

void UpdateAreaPlaceState() {
  const Controls& c = g_app.controls;
  EnableWindow(c.areaPlace, datafiles::AreaPlaceListEnabled(TextOf(c.numberKind)) ? TRUE : FALSE);
}

}  // namespace kuranto
