#include "settings/label_settings.h"

#include <string>

namespace kuranto::settings {

namespace {

constexpr char kLabelsKey[] = "Labels";

std::string Numbered(const char* name, size_t index) { return name + std::to_string(index); }

// Offsets go either way: stored as the DWORD of a signed number.
int SignedNumber(DWORD number) { return static_cast<int>(static_cast<LONG>(number)); }

}  // namespace

void LoadLabelSettings(const SettingsKey& key, LabelSettings& settings) {
  const SettingsSection section = SettingsSection::Open(key, kLabelsKey);
  if (!section.IsOpen()) return;
  section.ReadText("Stock", settings.stock);
  DWORD number = 0;
  if (section.ReadNumber("OffsetX", number)) settings.offsetX = SignedNumber(number);
  if (section.ReadNumber("OffsetY", number)) settings.offsetY = SignedNumber(number);
  if (section.ReadNumber("Honorific", number)) settings.honorific = static_cast<int>(number);
  if (section.ReadNumber("Order", number)) settings.order = static_cast<int>(number);
  if (section.ReadNumber("NoBarcode", number)) settings.noBarcode = number != 0;
  number = 0;
  section.ReadNumber("CustomCount", number);
  settings.customStocks.clear();
  for (size_t i = 0; i < number && i < static_cast<size_t>(kMaxCustomStocks); ++i) {
    CustomStock stock;
    if (section.ReadText(Numbered("CustomName", i).c_str(), stock.name) &&
        section.ReadText(Numbered("CustomFigures", i).c_str(), stock.figures)) {
      settings.customStocks.push_back(stock);
    }
  }
}

void SaveLabelSettings(const SettingsKey& key, const LabelSettings& settings) {
  const SettingsSection section = SettingsSection::Create(key, kLabelsKey);
  section.WriteText("Stock", settings.stock);
  section.WriteNumber("OffsetX", static_cast<DWORD>(settings.offsetX));
  section.WriteNumber("OffsetY", static_cast<DWORD>(settings.offsetY));
  section.WriteNumber("Honorific", static_cast<DWORD>(settings.honorific));
  section.WriteNumber("Order", static_cast<DWORD>(settings.order));
  section.WriteNumber("NoBarcode", settings.noBarcode ? 1 : 0);
  const size_t count = settings.customStocks.size() < static_cast<size_t>(kMaxCustomStocks)
                           ? settings.customStocks.size()
                           : static_cast<size_t>(kMaxCustomStocks);
  section.WriteNumber("CustomCount", static_cast<DWORD>(count));
  for (size_t i = 0; i < count; ++i) {
    section.WriteText(Numbered("CustomName", i).c_str(), settings.customStocks[i].name);
    section.WriteText(Numbered("CustomFigures", i).c_str(), settings.customStocks[i].figures);
  }
}

}  // namespace kuranto::settings
