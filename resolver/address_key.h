// What makes two rows of a list one address however they are written: the
// answer's code, town, 丁目 and lot as the parts give them, and the building
// folded only as far as people's writing of it varies. cp932 in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "resolver/address_parts.h"
#include "resolver/offices.h"
#include "resolver/resolver.h"

namespace resolver {

// A key held as two hashes of its text made by two different functions, so
// that a table keeping the hashes alone, not the texts, can tell the rare
// texts whose first hashes meet apart by the second.
struct AddressKey {
  uint64_t first = 0;
  uint64_t second = 0;
};
inline bool operator==(const AddressKey& a, const AddressKey& b) { return a.first == b.first && a.second == b.second; }

AddressKey HashKey(std::string_view text);

// A building, a floor and a room as one spelling, into `out` (cleared):
// full-width and half-width alike (letters, digits, katakana), letters upper
// case, blanks and ・ dropped, ー － ‐ and - as "-" (ー after kana stays the
// long vowel), 階 F Ｆ after a number as 階 and a kanji floor as digits
// (五階 is 5階), 号室 after a number as 号, and a separator before the
// building dropped. Nothing further: ビルA and ビルB, 5階 and 6階 stay apart.
// `scratch` is storage reused from one text to the next.
struct FoldScratch {
  std::string wide, normal, folded;
};
void FoldBuilding(std::string_view building, FoldScratch& scratch, std::string& out);

// A name folded as a building is, and each legal form's short form written
// as the form itself ((株), ㈱ as 株式会社; office_words: kLegalFormShortForms).
// Where the form stands stays: 株式会社A and A株式会社 are two names.
void FoldName(std::string_view name, FoldScratch& scratch, std::string& out);

// Makes the keys of the rows of a list; one per thread: it keeps its
// buffers, so that once it has held an address this long it allocates nothing.
class AddressKeyMaker {
 public:
  // The text `address` is known by (a list's cell, given to Resolve over
  // `book` for `resolution`) into `text`; `office` the office whose own code
  // answers the row (offices.h), kNoOffice for none. False, with no text,
  // where the answer is neither exact nor an office's with the address's
  // parts: such a row is one address with no other.
  bool KeyText(const AddressBook& book, const Resolution& resolution, size_t office, std::string_view address,
               std::string& text);
  bool Key(const AddressBook& book, const Resolution& resolution, size_t office, std::string_view address,
           AddressKey& key);
  // The key of the same address for a recipient `name`: rows with this key
  // alike go to one person or firm. False where the address has none or the
  // name folds to nothing. Call it after Key, for the same row.
  bool RecipientKey(std::string_view name, AddressKey& key);

 private:
  AddressParts parts_;
  FoldScratch scratch_;
  std::string text_;
  std::string folded_;
  bool hasText_ = false;
};

}  // namespace resolver
