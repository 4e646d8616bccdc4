// What the label dialog keeps between runs, in the settings' "Labels"
// subkey: the last stock, the user's own stocks by name, the printer's
// offset, the honorific and the order. Texts are cp932.
#pragma once

#include <string>
#include <vector>

#include "settings/registry_store.h"

namespace kuranto::settings {

// A stock of the user's own: a name and its figures in the form after
// "custom:" (PAPER_W,PAPER_H,COLUMNS,ROWS,LABEL_W,LABEL_H,TOP,LEFT[,PITCH_X,PITCH_Y]).
struct CustomStock {
  std::string name;
  std::string figures;
};

constexpr int kMaxCustomStocks = 20;

struct LabelSettings {
  std::string stock = "a4-12";  // a stock's name, or a custom stock's name after "user:"
  std::vector<CustomStock> customStocks;
  int offsetX = 0, offsetY = 0;  // tenths of a millimetre, either sign
  int honorific = 0;             // the dialog's list: 0 auto, 1 様, 2 御中, 3 none
  int order = 0;                 // 0 as listed, 1 by postal code
  bool noBarcode = false;
};

// Missing values keep `settings` as the caller filled it.
void LoadLabelSettings(const SettingsKey& key, LabelSettings& settings);
// Failures are ignored, as with the other settings.
void SaveLabelSettings(const SettingsKey& key, const LabelSettings& settings);

}  // namespace kuranto::settings
