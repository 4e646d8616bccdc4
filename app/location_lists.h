// the city and area-place drop-down lists.
#pragma once

#include <windows.h>

#include <string>

#include "app/app_state.h"

namespace kuranto {

void EmptyComboBox(HWND combo);
void FillCityList(const Controls& controls, const std::string& cityListBytes);
void FillAreaPlaceList(const Controls& controls, const std::string& areaCodesFile);
// The area-place list is open only for the area-code number kind.
void UpdateAreaPlaceState(const Controls& controls);
// The number kind chosen (postal::NumberKind), or -1 when none is.
int SelectedNumberKind(const Controls& controls);

}  // namespace kuranto
