#include "resolver/latin_building.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "resolver/cp932_words.h"
#include "resolver/latin_reading.h"
#include "resolver/latin_words.h"

namespace resolver {

namespace {

// A name's own letters must be this long to tell one building from another
// ("NTV" and "JA" may stand for anything).
constexpr size_t kTellingLetters = 3;
// Two names may be one when their own keys share this many letters in a row
// (MORI of ROPPONGI HILLS MORI TOWER), or their sounds this many classes
// (SCRAMBLE and SUKURANBURU; three where either has no more), but not
// three of longer ones (TRI SEVEN and TRUST share T R S).
constexpr size_t kSharedLetters = 4;
constexpr size_t kSharedSounds = 4;
constexpr size_t kFewestSharedSounds = 3;

constexpr char kKanaOpen = '(';                 // the kana column's note begins
constexpr char kKanaDot = kKanaDotText[0];  // ･

std::string_view KanaBeforeNote(std::string_view kana) {
  const size_t open = kana.find(kKanaOpen);
  return open == std::string_view::npos ? kana : kana.substr(0, open);
}

bool StartsWith(std::string_view text, std::string_view head) {
  return !head.empty() && text.size() > head.size() && text.compare(0, head.size(), head) == 0;
}

void EraseAll(std::string& text, const std::string& word) {
  if (word.empty()) return;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at)) text.erase(at, word.size());
}

// The folded reading of cp932 `text`, in `out`; false when it holds a kanji.
bool ReadKey(std::string_view text, std::vector<uint16_t>& units, std::string& out) {
  out.clear();
  if (!AppendLatinReading(text, units, out)) return false;
  FoldLatinKey(out);
  return !out.empty();
}

// `key` without place names and common words, in place.
void KeepOwn(const LatinName& name, std::string& key) {
  for (const std::string& place : name.places) EraseAll(key, place);
  DropCommonLatinWords(key);
}

size_t LongestSharedRun(const std::string& a, const std::string& b) {
  size_t best = 0;
  for (size_t i = 0; i < a.size(); ++i) {
    for (size_t j = 0; j < b.size(); ++j) {
      size_t n = 0;
      while (i + n < a.size() && j + n < b.size() && a[i + n] == b[j + n]) ++n;
      best = std::max(best, n);
    }
  }
  return best;
}

// Every letter of `shortForm` in `whole`, in order, from its first: MARUBIRU
// (丸ビル) of MARUNOUCHI BUILDING.
bool IsShortForm(const std::string& shortForm, const std::string& whole) {
  if (shortForm.empty() || whole.empty() || shortForm[0] != whole[0]) return false;
  size_t k = 0;
  for (const char c : shortForm) {
    k = whole.find(c, k);
    if (k == std::string::npos) return false;
    ++k;
  }
  return true;
}

bool HasVowel(const std::string& key) { return key.find_first_of("AEIOU") != std::string::npos; }

void SplitNames(const AddressBook::Impl& book, const RecordInfo& info, ListedNames& out) {
  out.strict.clear();
  out.loose.clear();
  const std::string_view all(book.names.data() + info.building, info.buildingLength);
  bool own = true;
  for (size_t i = 0; i <= all.size();) {
    size_t n = 0;
    while (i + n < all.size() && all[i + n] != kAliasSeparator && all[i + n] != kLooseSeparator) ++n;
    if (n > 0) (own ? out.strict : out.loose).push_back(all.substr(i, n));
    if (i + n < all.size() && all[i + n] == kLooseSeparator) own = false;
    i += n + 1;
  }
}

// The building's kana readings: its whole name after the town's reading
// ("ｱｶｻｶﾋﾞｽﾞﾀﾜｰ" of "ｱｶｻｶｱｶｻｶﾋﾞｽﾞﾀﾜｰ(1ｶｲ)"), that without the town's name
// again, and the part after its last ･. The first is its whole name.
void KanaReadings(std::string_view kana, std::string_view town, std::vector<std::string_view>& out) {
  out.clear();
  std::string_view whole = KanaBeforeNote(kana);
  if (StartsWith(whole, town)) whole.remove_prefix(town.size());
  out.push_back(whole);
  if (StartsWith(whole, town)) out.push_back(whole.substr(town.size()));
  const size_t dot = whole.rfind(kKanaDot);
  if (dot != std::string_view::npos && dot + 1 < whole.size()) out.push_back(whole.substr(dot + 1));
}

}  // namespace

void ReadLatinName(const AddressBook::Impl& book, RecordRun records, std::string_view name, TrailingB b,
                   LatinName& out) {
  out.read = out.telling = out.sameWithB = false;
  out.withB.clear();
  out.places.clear();
  out.townKana.clear();
  if (records.count == 0) return;
  for (size_t r = 0; r < records.count; ++r) {
    if (book.info[records[r]].buildingLength != 0) continue;
    out.townKana.assign(KanaBeforeNote(book.Text(records[r], StoredRecord::kTownKana)));
    break;
  }
  std::string& town = out.townKey;
  if (!ReadKey(out.townKana, out.units, town)) town.clear();
  if (!town.empty()) out.places.push_back(town);
  std::string_view city = book.Text(records[0], StoredRecord::kCityKana);
  for (const char* ending : kMunicipalityEndings) {
    const size_t n = std::strlen(ending);
    if (city.size() > n && city.compare(city.size() - n, n, ending) == 0) {
      city.remove_suffix(n);
      break;
    }
  }
  if (ReadKey(city, out.units, out.scratch)) out.places.push_back(out.scratch);
  std::sort(out.places.begin(), out.places.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  if (!ReadKey(name, out.units, out.key)) return;
  out.read = true;
  if (b == TrailingB::kFollows) out.withB.assign(out.key).push_back('B');
  out.afterTown.clear();
  if (!town.empty() && out.key.size() > town.size() && out.key.compare(0, town.size(), town) == 0) {
    out.afterTown.assign(out.key, town.size(), std::string::npos);
  }
  out.own = out.key;
  KeepOwn(out, out.own);
  out.telling = out.own.size() >= kTellingLetters && HasVowel(out.own);
  LatinSkeleton(out.own, out.skeleton);
}

LatinFit CompareLatinName(const AddressBook::Impl& book, uint32_t record, LatinName& name) {
  if (!name.read) return LatinFit::kUnread;
  ListedNames& listed = name.listedNames;
  std::vector<std::string_view>& kana = name.kana;
  SplitNames(book, book.info[record], listed);
  KanaReadings(book.Text(record, StoredRecord::kTownKana), name.townKana, kana);
  // Its own names, by their letters or their kana: the one meant. A part of
  // common words alone (タワー of ミッドタウン・タワー) names no building.
  const auto same = [&](std::string_view text, bool whole) {
    if (!ReadKey(text, name.units, name.listed)) return false;
    name.sameWithB = !name.withB.empty() && name.listed == name.withB;
    if (name.listed != name.key && name.listed != name.afterTown && !name.sameWithB) return false;
    if (whole) return true;
    KeepOwn(name, name.listed);
    return !name.listed.empty();
  };
  for (size_t k = 0; k < listed.strict.size(); ++k) {
    if (same(listed.strict[k], k == 0)) return LatinFit::kSame;
  }
  for (size_t k = 0; k < kana.size(); ++k) {
    if (same(kana[k], k == 0)) return LatinFit::kSame;
  }
  for (std::string_view text : listed.loose) {
    if (ReadKey(text, name.units, name.listed) && name.listed == name.key) return LatinFit::kMaybe;
  }
  if (!name.telling) return LatinFit::kMaybe;
  // A name written another way shares letters or sounds of its own.
  bool anyRead = false;
  const auto shares = [&](std::string_view text) {
    if (!ReadKey(text, name.units, name.listed)) return false;
    anyRead = true;
    if (name.key.find(name.listed) != std::string::npos) return true;  // its whole name and more
    DropCommonLatinWords(name.listed);
    if (IsShortForm(name.own, name.listed)) return true;
    KeepOwn(name, name.listed);
    // a name of common words and places only (新宿センタービル) is written so or not at all
    if (name.listed.empty()) return false;
    const size_t letters = std::min({kSharedLetters, name.own.size(), name.listed.size()});
    if (LongestSharedRun(name.own, name.listed) >= letters) return true;
    LatinSkeleton(name.listed, name.listedSkeleton);
    const size_t sounds = std::max(kFewestSharedSounds,
                                   std::min({kSharedSounds, name.skeleton.size(), name.listedSkeleton.size()}));
    return LongestSharedRun(name.skeleton, name.listedSkeleton) >= sounds;
  };
  if ((!listed.strict.empty() && shares(listed.strict[0])) || shares(kana[0])) return LatinFit::kMaybe;
  if (!anyRead) return LatinFit::kUnread;
  // Letters of the listed name (ＮＳ of 新宿ＮＳビル, its kana ｴﾇｴｽ) written in the address.
  const std::string_view whole = listed.strict.empty() ? std::string_view() : listed.strict[0];
  for (size_t i = 0; i < whole.size();) {
    size_t n = 0, letters = 0;
    while (i + n < whole.size() && ((whole[i + n] >= 'A' && whole[i + n] <= 'Z') || (whole[i + n] >= '0' && whole[i + n] <= '9'))) {
      letters += whole[i + n] >= 'A' ? 1 : 0;
      ++n;
    }
    if (letters > 0 && n >= 2) {
      name.listed.assign(whole.substr(i, n));
      FoldLatinKey(name.listed);
      if (name.key.find(name.listed) != std::string::npos) return LatinFit::kMaybe;
    }
    i += n > 0 ? n : CharWidth(CharCode(whole.data() + i, whole.size() - i));
  }
  return LatinFit::kNone;
}

}  // namespace resolver
