// The three mode radio buttons and the part of the form each one enables.
#include <windows.h>

#include <iterator>

#include "app/app_state.h"
#include "app/location_lists.h"
#include "app/search_mode.h"
#include "win32/form_controls.h"

namespace kuranto {

namespace {

struct ModeEnabling {
  HWND Controls::*control;
  bool number, place, fuzzy;
};

// The area-place list is enabled in number mode only for the area-code
// kind; UpdateAreaPlaceState decides that.
const ModeEnabling kModeEnabling[] = {
    //                       number place  fuzzy
    {&Controls::numberKind, true, false, false},
    {&Controls::number, true, false, false},
    {&Controls::charWidth, false, false, true},
    {&Controls::prefecture, false, true, false},
    {&Controls::city, false, true, false},
    {&Controls::town, false, true, false},
    {&Controls::fuzzy, false, false, true},
};

}  // namespace

postal::SearchMode CheckedSearchMode(const Controls& c) {
  if (IsChecked(c.radioNumber)) return postal::SearchMode::kNumber;
  if (IsChecked(c.radioPlace)) return postal::SearchMode::kLocation;
  if (IsChecked(c.radioFuzzy)) return postal::SearchMode::kFuzzy;
  return postal::SearchMode::kNone;
}

void ApplyModeEnabling(const Controls& c, postal::SearchMode mode) {
  if (mode == postal::SearchMode::kNone) return;
  for (const ModeEnabling& row : kModeEnabling) {
    const bool enable = mode == postal::SearchMode::kNumber     ? row.number
                        : mode == postal::SearchMode::kLocation ? row.place
                                                                : row.fuzzy;
    EnableWindow(c.*row.control, enable ? TRUE : FALSE);
  }
  if (mode == postal::SearchMode::kNumber) {
    UpdateAreaPlaceState(c);
  } else {
    EnableWindow(c.areaPlace, FALSE);
  }
}

void ApplyModeEnabling(const Controls& c) { ApplyModeEnabling(c, CheckedSearchMode(c)); }

void CheckModeRadio(HWND window, const Controls& c, postal::SearchMode mode) {
  const int radioId = IDC_RADIO_NUMBER + postal::RadioIndexOf(mode);
  CheckRadioButton(window, IDC_RADIO_NUMBER, IDC_RADIO_FUZZY, radioId);
  ApplyModeEnabling(c, mode);
}

}  // namespace kuranto
