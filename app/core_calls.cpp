#include "app/core_calls.h"

#include <cstdio>

#include "datafiles/area_codes.h"

namespace kuranto {

namespace {

constexpr size_t kRowTextLimit = 999;

// Letters of the address template, in slot order.
constexpr char kAddressLetters[] = "NKkSsMmCO";
constexpr char kOfficeLetters[] = "NGgKSMCO";

template <class Record, class SlotOf>
std::string Expand(const std::string& templateText, const Record& row, const char* letters, SlotOf slotOf) {
  std::string out;
  for (char letter : templateText) {
    const char* found = nullptr;
    for (int slot = 0; letters[slot] != '\0'; ++slot) {
      if (letters[slot] == letter) found = slotOf(row, slot);
    }
    if (found != nullptr) {
      out += found;
    } else {
      out += letter;
    }
    if (out.size() >= kRowTextLimit) break;
  }
  if (out.size() > kRowTextLimit) out.resize(kRowTextLimit);
  return out;
}

}  // namespace

const char* SearchOfficeRows(const std::string&, const postal::SearchForm&, postal::OfficeRows&) { return nullptr; }

std::string ExpandAddressRow(const std::string& templateText, const postal::AddressRecord& row, bool, bool) {
  return Expand(templateText, row, kAddressLetters,
                [](const postal::AddressRecord& r, int slot) { return postal::AddressSlot(r, slot); });
}

std::string ExpandOfficeRow(const std::string& templateText, const postal::OfficeRecord& row, bool, bool) {
  return Expand(templateText, row, kOfficeLetters,
                [](const postal::OfficeRecord& r, int slot) { return postal::OfficeSlot(r, slot); });
}

std::string HyphenatedNumber(const char* number) {
  std::string text = number;
  if (text.size() > 3) text.insert(3, "-");
  return text;
}

std::string FullWidthHiragana(const char* kana) { return kana; }

std::vector<std::string> AreaPlaces(const std::string& telnumFile, const std::string& typedNumber) {
  return datafiles::AreaPlacesFor(telnumFile, typedNumber);
}

bool AreaPlacesEnabled(const std::string& numberKindText) { return datafiles::AreaPlaceListEnabled(numberKindText); }

}  // namespace kuranto
