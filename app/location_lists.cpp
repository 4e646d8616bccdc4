#include <windows.h>

#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/location_lists.h"
#include "datafiles/area_codes.h"
#include "datafiles/index_load.h"
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

void FillCityList(const Controls& c, const std::string& cityListBytes) {
  AddItems(c.city, datafiles::CitiesOf(cityListBytes, TextOf(c.prefecture)));
}

void FillAreaPlaceList(const Controls& c, const std::string& areaCodesFile) {
  AddItems(c.areaPlace, datafiles::AreaPlacesFor(areaCodesFile, TextOf(c.number)));
}

int SelectedNumberKind(const Controls& c) { return static_cast<int>(SendMessageA(c.numberKind, CB_GETCURSEL, 0, 0)); }

void UpdateAreaPlaceState(const Controls& c) {
  EnableWindow(c.areaPlace, SelectedNumberKind(c) == postal::kAreaCode ? TRUE : FALSE);
}

}  // namespace kuranto
