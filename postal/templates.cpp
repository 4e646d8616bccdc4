#include "postal/templates.h"

#include <cstring>

#include "postal/kana.h"
#include "postal/text.h"

namespace postal {

namespace {

enum class Conversion { kNone, kHyphen, kHiragana };

// What the letter at `slot` of a record becomes, given the display flags.
std::string SlotText(const char* slot, size_t width, Conversion conversion, const DisplayFlags& flags) {
  std::string text(slot, strnlen(slot, width));
  if (conversion == Conversion::kHyphen && flags.hyphen) InsertPostalHyphen(text);
  if (conversion == Conversion::kHiragana && flags.hiragana) text = ToFullWidthHiragana(text);
  return text;
}

// Scans the template by characters; `slotText(slot)` gives the text of a
// letter, whose slot is its position in `letters`.
template <class SlotOf>
std::string Expand(const std::string& templateText, const char* letters, SlotOf slotText) {
  std::string out;
  const size_t n = templateText.size();
  for (size_t i = 0; i < n && out.size() <= kMaxRenderedBytes; ++i) {
    const char c = templateText[i];
    if (i + 1 < n && IsDoubleByte(templateText.c_str() + i)) {
      out.append(templateText, i, 2);
      ++i;
      continue;
    }
    const char* at = c != '\0' ? std::strchr(letters, c) : nullptr;
    if (at != nullptr) {
      out += slotText(static_cast<int>(at - letters));
    } else {
      out += c;
    }
  }
  if (out.size() > kMaxRenderedBytes) out.resize(CharBoundaryLength(out.data(), out.size(), kMaxRenderedBytes));
  return out;
}

}  // namespace

void InsertPostalHyphen(std::string& text) {
  constexpr size_t kHyphenAfter = 3;
  if (text.size() <= kHyphenAfter) return;
  // Numbers are digits; never split a double-byte character all the same.
  if (CharBoundaryLength(text.data(), text.size(), kHyphenAfter) != kHyphenAfter) return;
  text.insert(kHyphenAfter, 1, '-');
}

std::string AddressSlotText(const AddressRecord& row, int slot, const DisplayFlags& flags) {
  // Conversions in slot order, matching kAddressLetters.
  static const Conversion kConversions[kAddressSlotCount] = {
      Conversion::kHyphen, Conversion::kNone,     Conversion::kHiragana, Conversion::kNone,  Conversion::kHiragana,
      Conversion::kNone,   Conversion::kHiragana, Conversion::kNone,     Conversion::kHyphen};
  if (slot < 0 || slot >= kAddressSlotCount) return std::string();
  return SlotText(AddressSlot(row, slot), AddressSlotWidth(slot), kConversions[slot], flags);
}

std::string OfficeSlotText(const OfficeRecord& row, int slot, const DisplayFlags& flags) {
  static const Conversion kConversions[kOfficeSlotCount] = {
      Conversion::kHyphen, Conversion::kNone, Conversion::kHiragana, Conversion::kNone,
      Conversion::kNone,   Conversion::kNone, Conversion::kNone,     Conversion::kHyphen};
  if (slot < 0 || slot >= kOfficeSlotCount) return std::string();
  return SlotText(OfficeSlot(row, slot), OfficeSlotWidth(slot), kConversions[slot], flags);
}

std::string ExpandAddressTemplate(const std::string& templateText, const AddressRecord& row,
                                  const DisplayFlags& flags) {
  return Expand(templateText, kAddressLetters, [&](int slot) { return AddressSlotText(row, slot, flags); });
}

std::string ExpandOfficeTemplate(const std::string& templateText, const OfficeRecord& row,
                                 const DisplayFlags& flags) {
  return Expand(templateText, kOfficeLetters, [&](int slot) { return OfficeSlotText(row, slot, flags); });
}

}  // namespace postal
