// An address taken apart: its prefecture, municipality and town as Japan
// Post spells them, its 丁目 and lot numbers in one form, and what follows
// them (building, floor, room) exactly as the address writes it: the
// input's own bytes, in its own encoding (cp932 or UTF-8).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "resolver/resolver.h"

namespace resolver {

struct AddressParts {
  // The record's names (views into the book); `town` without its note, and
  // on a building's line the town alone. Empty where the answer has no town.
  std::string_view prefecture, city, town;
  // As the address writes them (views into its written bytes): a 小字
  // after the town or a Kyoto street clause, usually empty (for a city
  // answer all that follows the municipality); and everything after the
  // lot numbers.
  std::string_view subarea, building;
  std::string chome;  // ASCII digits: "3"; empty where there is none
  std::string lot;    // ASCII digits joined by '-': "30-8", "21-480"
  // Full-width katakana from the record's kana, note dropped.
  std::string prefectureKana, cityKana, townKana;
  // "東京都港区赤坂1丁目2-3 赤坂ビル４階": names, 字, N丁目, lot, a blank,
  // building; in the encoding of the written address.
  std::string normalized;
  // subarea, building and normalized are UTF-8 (the address was); every
  // other text is cp932.
  bool writtenUtf8 = false;

};

// Fills `parts` for `address` as `resolution` read it (Resolve over the same
// book and text). True when the answer has parts: exact, ambiguous with
// every candidate in one town, or city (its prefecture and municipality,
// the rest in `subarea`). False, every field empty, otherwise. The views
// stay valid while the book and `address` live unchanged.
//
// A lot written in Arabic digits ends with its last number and that
// number's unit: a kanji numeral right after it begins the building
// (２番地４三番町ＫＳビル is 2-4 and 三番町ＫＳビル), and 番館, 号館, 号棟,
// 号室 and 番町 are parts of names, never units.
bool ReadAddressParts(const AddressBook& book, const Resolution& resolution, std::string_view address,
                      AddressParts& parts);

// An address written in UTF-8 and resolved as its cp932 conversion: the
// parts copied from it are cut from `utf8`, so that a character cp932
// cannot hold (Café, 𠮷, ™, U+301C) comes back as written.
struct WrittenAddress {
  std::string_view cp932;  // what Resolve read
  std::string_view utf8;
  // For each byte of `cp932` and its end, the offset in `utf8` of the
  // character it stands for (cp932.size() + 1 entries).
  const std::vector<uint32_t>& offsets;
};
bool ReadAddressParts(const AddressBook& book, const Resolution& resolution, const WrittenAddress& address,
                      AddressParts& parts);

// The same for one address after another: the reader keeps its buffers, so
// that once it and `parts` have held an address this long it allocates
// nothing. One reader per thread.
class AddressPartsReader {
 public:
  bool Read(const AddressBook& book, const Resolution& resolution, std::string_view address, AddressParts& parts);
  bool Read(const AddressBook& book, const Resolution& resolution, const WrittenAddress& address, AddressParts& parts);

  struct Written;  // the address as its steps read it

 private:
  bool ReadFrom(const AddressBook& book, const Resolution& resolution, const Written& written, AddressParts& parts);

  std::string spelled_, key_;
  std::vector<uint32_t> origins_;
};

// The seven parts a split list gives each address, in their order: the
// column names 都道府県 市区町村 町域 字 丁目 番地 建物 (cp932) and the parts.
constexpr int kSplitPartCount = 7;
const char* SplitPartName(int index);
std::string_view SplitPart(const AddressParts& parts, int index);
// Appends part `index`, or with kNormalizedPart the normalized line, in
// UTF-8 (`utf8`) or cp932: the record's names converted, the written parts
// copied when they are in that encoding already.
constexpr int kNormalizedPart = kSplitPartCount;
void AppendPart(const AddressParts& parts, int index, bool utf8, std::string& out);

}  // namespace resolver
