#include "postal/records.h"

#include <cstring>

#include "postal/text.h"

namespace postal {

namespace {

constexpr int kCommas = 9;
constexpr size_t kCityCodeBytes = 5;

// Comma positions c0..c8 of a line; false when it has fewer than nine.
struct Commas {
  size_t at[kCommas];
};

bool FindCommas(const char* line, Commas& commas) {
  int found = 0;
  for (size_t i = 0; line[i] != '\0' && found < kCommas; ++i) {
    if (line[i] == ',') commas.at[found++] = i;
  }
  return found == kCommas;
}

// Column k (2..9): the bytes from c(k-2)+2 to c(k-1)-2, the quotes dropped by
// position. A span of two bytes or less is empty.
void CopyColumn(const char* line, const Commas& c, int column, char* slot, size_t width) {
  const size_t from = c.at[column - 2] + 2;
  const size_t to = c.at[column - 1];  // one past the closing quote's position
  const size_t length = (to >= from + 1) ? to - 1 - from : 0;
  CopyToSlot(slot, width, line + from, length);
}

// Column 1: the unquoted city code, at most five bytes and never past c0.
void CopyCityCode(const char* line, const Commas& c, char* slot, size_t width) {
  CopyToSlot(slot, width, line, c.at[0] < kCityCodeBytes ? c.at[0] : kCityCodeBytes);
}

template <size_t N>
void CopyColumn(const char* line, const Commas& c, int column, char (&slot)[N]) {
  CopyColumn(line, c, column, slot, N);
}

template <size_t N>
void Clear(char (&slot)[N]) { slot[0] = '\0'; }

// Appends column `column` to the text already in `slot`.
template <size_t N>
void AppendColumn(const char* line, const Commas& c, int column, char (&slot)[N]) {
  const size_t used = std::strlen(slot);
  CopyColumn(line, c, column, slot + used, N - used);
}

}  // namespace

const char* AddressSlot(const AddressRecord& r, int slot) {
  switch (slot) {
    case 0: return r.newNumber;
    case 1: return r.prefecture;
    case 2: return r.prefectureKana;
    case 3: return r.city;
    case 4: return r.cityKana;
    case 5: return r.town;
    case 6: return r.townKana;
    case 7: return r.cityCode;
    case 8: return r.oldNumber;
    default: return "";
  }
}

char* AddressSlot(AddressRecord& r, int slot) {
  return const_cast<char*>(AddressSlot(static_cast<const AddressRecord&>(r), slot));
}

size_t AddressSlotWidth(int slot) {
  static const size_t kWidths[kAddressSlotCount] = {9, 9, 16, 23, 50, 78, 100, 6, 6};
  return (slot >= 0 && slot < kAddressSlotCount) ? kWidths[slot] : 0;
}

const char* OfficeSlot(const OfficeRecord& r, int slot) {
  switch (slot) {
    case 0: return r.number;
    case 1: return r.name;
    case 2: return r.nameKana;
    case 3: return r.prefecture;
    case 4: return r.city;
    case 5: return r.town;
    case 6: return r.cityCode;
    case 7: return r.oldNumber;
    default: return "";
  }
}

char* OfficeSlot(OfficeRecord& r, int slot) {
  return const_cast<char*>(OfficeSlot(static_cast<const OfficeRecord&>(r), slot));
}

size_t OfficeSlotWidth(int slot) {
  static const size_t kWidths[kOfficeSlotCount] = {9, 200, 200, 9, 23, 100, 7, 6};
  return (slot >= 0 && slot < kOfficeSlotCount) ? kWidths[slot] : 0;
}

bool ParseAddressLine(char* line, AddressRecord& r) {
  RemoveChar(line, line, ' ');
  Commas c;
  if (!FindCommas(line, c)) {
    for (int i = 0; i < kAddressSlotCount; ++i) AddressSlot(r, i)[0] = '\0';
    return false;
  }
  CopyCityCode(line, c, r.cityCode, sizeof r.cityCode);
  CopyColumn(line, c, 2, r.oldNumber);
  CopyColumn(line, c, 3, r.newNumber);
  CopyColumn(line, c, 4, r.prefectureKana);
  CopyColumn(line, c, 5, r.cityKana);
  CopyColumn(line, c, 6, r.townKana);
  CopyColumn(line, c, 7, r.prefecture);
  CopyColumn(line, c, 8, r.city);
  CopyColumn(line, c, 9, r.town);
  return true;
}

bool ParseAddressKey(const char* line, AddressRecord& r, int kind) {
  Commas c;
  const bool whole = FindCommas(line, c);
  switch (kind) {
    case kOldNumber:
      if (whole) CopyColumn(line, c, 2, r.oldNumber); else Clear(r.oldNumber);
      return whole;
    case kNewNumber:
      if (whole) CopyColumn(line, c, 3, r.newNumber); else Clear(r.newNumber);
      return whole;
    case kCityCode:
      if (whole) CopyCityCode(line, c, r.cityCode, sizeof r.cityCode); else Clear(r.cityCode);
      return whole;
    default:
      return false;
  }
}

bool ParseAddressNames(const char* line, AddressRecord& r) {
  Commas c;
  if (!FindCommas(line, c)) {
    Clear(r.city);
    Clear(r.town);
    Clear(r.cityKana);
    Clear(r.townKana);
    return false;
  }
  CopyColumn(line, c, 8, r.city);
  CopyColumn(line, c, 9, r.town);
  CopyColumn(line, c, 5, r.cityKana);
  CopyColumn(line, c, 6, r.townKana);
  return true;
}

bool ParseOfficeLine(const char* line, OfficeRecord& r) {
  Commas c;
  if (!FindCommas(line, c)) {
    for (int i = 0; i < kOfficeSlotCount; ++i) OfficeSlot(r, i)[0] = '\0';
    return false;
  }
  CopyCityCode(line, c, r.cityCode, sizeof r.cityCode);
  CopyColumn(line, c, 2, r.nameKana);
  CopyColumn(line, c, 3, r.name);
  CopyColumn(line, c, 4, r.prefecture);
  CopyColumn(line, c, 5, r.city);
  // Town, then block and building appended with no separator.
  Clear(r.town);
  if (c.at[5] - c.at[4] > 2) CopyColumn(line, c, 6, r.town);
  if (c.at[6] - c.at[5] > 2) AppendColumn(line, c, 7, r.town);
  CopyColumn(line, c, 8, r.number);
  CopyColumn(line, c, 9, r.oldNumber);
  return true;
}

}  // namespace postal
