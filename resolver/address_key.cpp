#include "resolver/address_key.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>
#include <vector>

#include "postal/characters.h"
#include "postal/kana.h"
#include "resolver/address_key_words.h"
#include "resolver/cp932_cursor.h"
#include "resolver/normalize.h"
#include "resolver/office_words.h"
#include "resolver/offices.h"

namespace resolver {

namespace {

// Between the fields of a key's text: a control character no cp932 text holds.
constexpr char kFieldMark = '\x1F';
constexpr char kNameMark = '\x1E';

// FNV-1a, 64 bits.
uint64_t FnvHash(std::string_view text) {
  uint64_t hash = 14695981039346656037ull;
  for (unsigned char byte : text) {
    hash ^= byte;
    hash *= 1099511628211ull;
  }
  return hash;
}

// splitmix64's finaliser.
uint64_t Mix(uint64_t x) {
  x ^= x >> 30;
  x *= 0xBF58476D1CE4E5B9ull;
  x ^= x >> 27;
  x *= 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// Eight bytes at a time through the finaliser: another function than FNV's,
// so that texts whose FNV hashes meet are no likelier to meet here.
uint64_t MixHash(std::string_view text) {
  uint64_t hash = Mix(text.size() ^ 0x9E3779B97F4A7C15ull);
  for (size_t i = 0; i < text.size(); i += 8) {
    uint64_t chunk = 0;
    std::memcpy(&chunk, text.data() + i, std::min<size_t>(8, text.size() - i));
    hash = Mix(hash ^ chunk) + 0x9E3779B97F4A7C15ull;
  }
  return Mix(hash);
}

bool IsKana(uint16_t code) {
  return IsKatakana(code) || (code >= postal::ch::kHiraganaFirst && code <= postal::ch::kHiraganaLast);
}

// F as a floor's unit: not the first letter of a word (5FLOOR stays).
bool TakeFloorLetter(Cp932Cursor& c) {
  if (!WordAt(c.text, c.pos, key_word::kFloorLetter) || IsLatinCapital(c.PeekSecond())) return false;
  c.Next();
  return true;
}

bool TakeLeadingMark(Cp932Cursor& c) {
  for (const char* mark : key_word::kLeadingMarks) {
    if (c.Take(mark)) return true;
  }
  return false;
}

// The short forms folded as names are, with their forms.
std::vector<std::pair<std::string, std::string>> FoldedShortForms() {
  std::vector<std::pair<std::string, std::string>> forms;
  FoldScratch scratch;
  for (const postal::Cp932Pair& pair : kLegalFormShortForms) {
    std::string shortForm, form;
    FoldBuilding(pair.first, scratch, shortForm);
    FoldBuilding(pair.second, scratch, form);
    forms.emplace_back(std::move(shortForm), std::move(form));
  }
  return forms;
}

void AppendField(std::string_view field, std::string& text) {
  text.append(field.data(), field.size());
  text += kFieldMark;
}

}  // namespace

AddressKey HashKey(std::string_view text) { return AddressKey{FnvHash(text), MixHash(text)}; }

void FoldBuilding(std::string_view building, FoldScratch& scratch, std::string& out) {
  scratch.wide.clear();
  postal::AppendFullWidthKatakana(building, scratch.wide);
  NormalizeText(scratch.wide, scratch.normal);
  out.clear();
  Cp932Cursor c{scratch.normal};
  while (TakeLeadingMark(c)) {
  }
  uint16_t before = 0;
  while (!c.AtEnd()) {
    // cp932's trail bytes are never ASCII digits: the last byte tells.
    const bool afterNumber = !out.empty() && IsAsciiDigit(static_cast<unsigned char>(out.back()));
    if (afterNumber && c.Take(key_word::kRoom)) {
      out += key_word::kRoomShort;
      continue;
    }
    if (afterNumber && (c.Take(key_word::kFloor) || TakeFloorLetter(c))) {
      out += key_word::kFloor;
      continue;
    }
    const uint16_t code = c.Peek();
    c.Next();
    if (code == ch::kDot) continue;
    if (code == ch::kLong && !IsKana(before)) {
      out += '-';
    } else {
      AppendChar(code, out);
    }
    before = code;
  }
}

void FoldName(std::string_view name, FoldScratch& scratch, std::string& out) {
  static const std::vector<std::pair<std::string, std::string>> shortForms = FoldedShortForms();
  FoldBuilding(name, scratch, scratch.folded);
  out.clear();
  for (Cp932Cursor c{scratch.folded}; !c.AtEnd();) {
    bool replaced = false;
    for (const auto& form : shortForms) {
      if (c.Take(form.first)) {
        out += form.second;
        replaced = true;
        break;
      }
    }
    if (replaced) continue;
    AppendChar(c.Peek(), out);
    c.Next();
  }
}

bool AddressKeyMaker::KeyText(const AddressBook& book, const Resolution& resolution, size_t office,
                              std::string_view address, std::string& text) {
  text.clear();
  if (resolution.status != Status::kExact && office == kNoOffice) return false;
  if (!ReadAddressParts(book, resolution, address, parts_)) return false;
  const std::string_view code =
      office != kNoOffice ? OfficeAt(book, office).postalCode : std::string_view(resolution.postalCode);
  AppendField(code, text);
  AppendField(parts_.prefecture, text);
  AppendField(parts_.city, text);
  AppendField(parts_.town, text);
  FoldBuilding(parts_.subarea, scratch_, folded_);
  AppendField(folded_, text);
  // 丁目 and lot as one run of numbers: where a town's 丁目 is written as the
  // first of three numbers and where it is read as the lot's, 1-130 is 1丁目130.
  text += parts_.chome;
  if (!parts_.chome.empty() && !parts_.lot.empty()) text += '-';
  AppendField(parts_.lot, text);
  FoldBuilding(parts_.building, scratch_, folded_);
  text += folded_;
  return true;
}

bool AddressKeyMaker::Key(const AddressBook& book, const Resolution& resolution, size_t office,
                          std::string_view address, AddressKey& key) {
  hasText_ = KeyText(book, resolution, office, address, text_);
  if (hasText_) key = HashKey(text_);
  return hasText_;
}

bool AddressKeyMaker::RecipientKey(std::string_view name, AddressKey& key) {
  if (!hasText_) return false;
  FoldName(name, scratch_, folded_);
  if (folded_.empty()) return false;
  const size_t addressSize = text_.size();
  text_ += kNameMark;
  text_ += folded_;
  key = HashKey(text_);
  text_.resize(addressSize);
  return true;
}

}  // namespace resolver
