// From the normalised address: prefecture, municipality, then the towns.
#include <algorithm>
#include <cstring>

#include "resolver/book_impl.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"
#include "resolver/resolver.h"
#include "resolver/town_match.h"

namespace resolver {

namespace {

struct MunicipalityHit {
  uint32_t municipality;
  size_t nameLength;
};

// One per thread: the book is shared, the buffers are not.
struct ResolveScratch {
  Scratch towns;
  std::vector<MunicipalityHit> hits;
  std::string rest;  // after the municipality, without 大字 and 字
};

ResolveScratch& ThreadScratch() {
  thread_local ResolveScratch scratch;
  return scratch;
}

// The length of a code written before the address ("〒100-0001"), else 0.
size_t LeadingCodeLength(const std::string& text) {
  constexpr uint16_t kPostalMark = 0x81A7;  // 〒
  size_t i = !text.empty() && CharCode(text.data(), text.size()) == kPostalMark ? 2 : 0;
  while (i < text.size() && ((text[i] >= '0' && text[i] <= '9') || text[i] == '-')) ++i;
  return i;
}

// The prefecture written at `from`, or -1; `end` receives where it ends.
int FindPrefecture(const AddressBook::Impl& book, const std::string& text, size_t from, size_t& end) {
  for (size_t p = 0; p < book.prefectures.size(); ++p) {
    const std::string& name = book.prefectures[p];
    if (text.compare(from, name.size(), name) == 0) {
      end = from + name.size();
      return static_cast<int>(p);
    }
  }
  end = from;
  return -1;
}

// Every municipality whose name begins the text at `pos`, longest names first.
void FindMunicipalities(const AddressBook::Impl& book, const std::string& text, size_t pos, int prefecture,
                        ResolveScratch& s) {
  s.hits.clear();
  std::vector<size_t>& bounds = s.towns.bounds;
  bounds.clear();
  for (size_t i = pos; i < text.size() && i - pos < book.longestMunicipalityName;) {
    i += CharWidth(CharCode(text.data() + i, text.size() - i));
    if (i <= text.size()) bounds.push_back(i - pos);
  }
  for (size_t b = bounds.size(); b-- > 0;) {
    s.towns.key.assign(text, pos, bounds[b]);
    const auto found = book.municipalityNames.find(s.towns.key);
    if (found == book.municipalityNames.end()) continue;
    for (uint32_t m : found->second) {
      if (prefecture < 0 || book.municipalities[m].prefecture == static_cast<uint32_t>(prefecture)) {
        s.hits.push_back(MunicipalityHit{m, bounds[b]});
      }
    }
  }
}

void Finish(const AddressBook::Impl& book, std::vector<uint32_t>& found, Resolution& out) {
  std::sort(found.begin(), found.end());
  found.erase(std::unique(found.begin(), found.end()), found.end());
  for (uint32_t record : found) out.candidates.push_back(record);
  const std::string_view firstCode = book.Text(found.front(), StoredRecord::kPostalCode);
  const std::string_view firstCity = book.Text(found.front(), StoredRecord::kCityCode);
  bool oneCode = true, oneCity = true;
  for (uint32_t record : found) {
    oneCode = oneCode && book.Text(record, StoredRecord::kPostalCode) == firstCode;
    oneCity = oneCity && book.Text(record, StoredRecord::kCityCode) == firstCity;
  }
  out.status = oneCode ? Status::kExact : Status::kAmbiguous;
  if (oneCode) out.postalCode = firstCode;
  if (oneCity) out.cityCode = firstCity;
}

// No town fits: the municipality's own code, when one municipality is meant.
void FinishCity(const AddressBook::Impl& book, const std::vector<MunicipalityHit>& hits, size_t nameLength,
                std::vector<uint32_t>& found, Resolution& out) {
  found.clear();
  int meant = 0;
  const Municipality* one = nullptr;
  for (const MunicipalityHit& hit : hits) {
    if (hit.nameLength != nameLength) continue;
    ++meant;
    one = &book.municipalities[hit.municipality];
    if (one->notListed >= 0) found.push_back(static_cast<uint32_t>(one->notListed));
  }
  if (meant > 1 && found.size() > 1) {
    Finish(book, found, out);  // 府中市 alone: each one's own code
    return;
  }
  out.status = Status::kCity;
  if (meant == 1) out.cityCode = one->cityCode;
  if (found.size() == 1) {
    out.candidates.push_back(found.front());
    out.postalCode = book.Text(found.front(), StoredRecord::kPostalCode);
  }
}

}  // namespace

void Resolve(const AddressBook& book, const std::string& address, Resolution& out) {
  out.status = Status::kNone;
  out.postalCode.clear();
  out.candidates.clear();
  out.cityCode.clear();
  out.afterCity.clear();
  const AddressBook::Impl& impl = book.impl();
  ResolveScratch& s = ThreadScratch();
  std::string& text = s.towns.text;
  NormalizeText(address, text);
  FoldJoiningKana(text);
  size_t pos;
  const int prefecture = FindPrefecture(impl, text, LeadingCodeLength(text), pos);
  FindMunicipalities(impl, text, pos, prefecture, s);
  if (s.hits.empty()) return;
  std::vector<uint32_t>& found = s.towns.found;
  found.clear();
  // Only the longest name: 府中市 in two prefectures are equally meant, but
  // "札幌市" stands for its wards only when no ward is written.
  const size_t length = s.hits.front().nameLength;
  std::string& rest = s.rest;
  rest.assign(text, pos + length, std::string::npos);
  DropAza(rest);
  out.afterCity.assign(rest);
  for (const MunicipalityHit& hit : s.hits) {
    if (hit.nameLength == length) MatchTownsOf(impl, hit.municipality, rest.data(), rest.size(), s.towns);
  }
  if (!found.empty()) {
    Finish(impl, found, out);
    return;
  }
  FinishCity(impl, s.hits, length, found, out);
}

const char* StatusName(Status status) {
  switch (status) {
    case Status::kExact:
      return "exact";
    case Status::kAmbiguous:
      return "ambiguous";
    case Status::kCity:
      return "city";
    case Status::kNone:
      break;
  }
  return "none";
}

}  // namespace resolver
