// Output templates: a result row rendered as one line of text. In a
// template certain letters stand for the row's slots; every other character
// is copied as it stands. Templates and results are cp932.
#pragma once

#include <string>

#include "postal/records.h"
#include "postal/template_words.h"

namespace postal {

// The two display settings that change the slots' texts.
struct DisplayFlags {
  bool hyphen = false;    // postal numbers as 107-0052
  bool hiragana = false;  // kana slots as full-width hiragana
};

// The longest rendered row: the callers' buffers hold 1,000 bytes.
constexpr size_t kMaxRenderedBytes = 999;

// Address letters, in slot order.
inline constexpr char kAddressLetters[] = "NKkSsMmCO";
// Business letters, in slot order.
inline constexpr char kOfficeLetters[] = "NGgKSMCO";

// The text slot `slot` (in letter order) of a row shows in a list cell or
// for its template letter: a number slot with the hyphen, a kana slot in
// hiragana, when the flags say so. "" for a slot out of range.
std::string AddressSlotText(const AddressRecord& row, int slot, const DisplayFlags& flags);
std::string OfficeSlotText(const OfficeRecord& row, int slot, const DisplayFlags& flags);

// Expands `templateText` for `row`. The template is scanned by characters,
// so the trail byte of a double-byte character (市 is 0x8E 0x73) is never a
// letter. Letters are case-sensitive. The result is cut to
// kMaxRenderedBytes at a character boundary.
std::string ExpandAddressTemplate(const std::string& templateText, const AddressRecord& row,
                                  const DisplayFlags& flags);
std::string ExpandOfficeTemplate(const std::string& templateText, const OfficeRecord& row,
                                 const DisplayFlags& flags);

// Puts a hyphen-minus after the third byte: 1070052 → 107-0052, 10700 →
// 107-00. A text of three bytes or fewer stays as it is.
void InsertPostalHyphen(std::string& text);

// A preset template offered by the settings sheet.
struct TemplatePreset {
  const char* name;
  const char* addressTemplate;
  const char* officeTemplate;
};

constexpr int kTemplatePresetCount = 4;
inline constexpr TemplatePreset kTemplatePresets[kTemplatePresetCount] = {
    {kPresetStandardName, kPresetStandardAddress, kPresetStandardOffice},
    {kPresetPostalMarkName, kPresetPostalMarkAddress, kPresetPostalMarkOffice},
    {kPresetCsvName, kPresetCsvAddress, kPresetCsvOffice},
    {kPresetDetailedName, kPresetDetailedAddress, kPresetDetailedOffice},
};

// The templates in use before any settings are read.
inline constexpr const char* kDefaultAddressTemplate = kPresetStandardAddress;
inline constexpr const char* kDefaultOfficeTemplate = kPresetStandardOffice;

}  // namespace postal
