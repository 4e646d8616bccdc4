#include "resolver/latin_reading.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "resolver/cp932_words.h"
#include "resolver/latin_words.h"

namespace resolver {

namespace {

// Katakana are read as Unicode code points (U+30A1 ァ … U+30F6 ヶ, U+30FC ー),
// whichever width the text wrote them in.
constexpr uint16_t kFirstKana = 0x30A1;  // ァ
constexpr uint16_t kLastKana = 0x30F6;   // ヶ
constexpr uint16_t kLongMark = 0x30FC;   // ー
constexpr uint16_t kSmallTsu = 0x30C3;   // ッ
constexpr uint16_t kSkipped = 0;         // a mark between words
constexpr uint16_t kUnreadable = 1;      // a kanji

// Modified Hepburn, as passports and road signs write Japanese, for
// ァ (U+30A1) to ヶ (U+30F6) in Unicode order; small kana lower case, read
// with the kana before them (ReadSmallVowel, ReadSmallY).
const char* const kHepburn[] = {
    "a",  "A",  "i",   "I",  "u",   "U",  "e",  "E",  "o",  "O",   // ァアィイゥウェエォオ
    "KA", "GA", "KI",  "GI", "KU",  "GU", "KE", "GE", "KO", "GO",  // カガキギクグケゲコゴ
    "SA", "ZA", "SHI", "JI", "SU",  "ZU", "SE", "ZE", "SO", "ZO",  // サザシジスズセゼソゾ
    "TA", "DA", "CHI", "JI", "",    "TSU", "ZU", "TE", "DE", "TO", "DO",  // タダチヂッツヅテデトド
    "NA", "NI", "NU",  "NE", "NO",                                  // ナニヌネノ
    "HA", "BA", "PA",  "HI", "BI",  "PI", "FU", "BU", "PU",         // ハバパヒビピフブプ
    "HE", "BE", "PE",  "HO", "BO",  "PO",                           // ヘベペホボポ
    "MA", "MI", "MU",  "ME", "MO",                                  // マミムメモ
    "ya", "YA", "yu",  "YU", "yo",  "YO",                           // ャヤュユョヨ
    "RA", "RI", "RU",  "RE", "RO",                                  // ラリルレロ
    "WA", "WA", "I",   "E",  "O",   "N",  "VU", "KA", "KE",         // ヮワヰヱヲンヴヵヶ
};
static_assert(sizeof(kHepburn) / sizeof(kHepburn[0]) == kLastKana - kFirstKana + 1, "one reading a kana");

// The English words of building names and their Latin spellings: kLoanwords
// in latin_words.words.

// Half-width katakana (0xA6 ｦ … 0xDD ﾝ) as the full-width ones' code points.
constexpr uint16_t kHalfWidth[] = {
    0x30F2, 0x30A1, 0x30A3, 0x30A5, 0x30A7, 0x30A9, 0x30E3, 0x30E5, 0x30E7, 0x30C3,  // ｦｧｨｩｪｫｬｭｮｯ
    0x30FC, 0x30A2, 0x30A4, 0x30A6, 0x30A8, 0x30AA, 0x30AB, 0x30AD, 0x30AF, 0x30B1,  // ｰｱｲｳｴｵｶｷｸｹ
    0x30B3, 0x30B5, 0x30B7, 0x30B9, 0x30BB, 0x30BD, 0x30BF, 0x30C1, 0x30C4, 0x30C6,  // ｺｻｼｽｾｿﾀﾁﾂﾃ
    0x30C8, 0x30CA, 0x30CB, 0x30CC, 0x30CD, 0x30CE, 0x30CF, 0x30D2, 0x30D5, 0x30D8,  // ﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍ
    0x30DB, 0x30DE, 0x30DF, 0x30E0, 0x30E1, 0x30E2, 0x30E4, 0x30E6, 0x30E8, 0x30E9,  // ﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗ
    0x30EA, 0x30EB, 0x30EC, 0x30ED, 0x30EF, 0x30F3,                                  // ﾘﾙﾚﾛﾜﾝ
};
constexpr unsigned char kFirstHalf = 0xA6, kLastHalf = 0xDD;
constexpr unsigned char kVoiced = 0xDE, kSemiVoiced = 0xDF;  // ﾞ ﾟ
constexpr uint16_t kU = 0x30A6, kVu = 0x30F4;                // ウ ヴ

bool TakesVoicedMark(uint16_t kana) { return kana >= 0x30AB && kana <= 0x30DB; }  // カ … ホ
bool TakesSemiVoicedMark(uint16_t kana) { return kana >= 0x30CF && kana <= 0x30DB; }  // ハ … ホ

// A character that is no half-width kana, as a letter, a digit, a
// katakana's code point, kSkipped or kUnreadable.
uint16_t UnitOf(uint16_t code) {
  if (code < 0x80) {
    if (code >= 'a' && code <= 'z') return static_cast<uint16_t>(code - 'a' + 'A');
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) return code;
    return kSkipped;
  }
  if (code <= 0xFF) return kSkipped;  // ｡｢｣､･ and a stray ﾞ
  if (code >= ch::kKatakanaFirst && code <= ch::kMiKana) {
    return static_cast<uint16_t>(kFirstKana + (code - ch::kKatakanaFirst));
  }
  if (code >= ch::kMuKana && code <= ch::kSmallKe) {  // past the code cp932 leaves out after ミ
    return static_cast<uint16_t>(kFirstKana + (ch::kMiKana - ch::kKatakanaFirst + 1) + (code - ch::kMuKana));
  }
  if (code >= ch::kHiraganaFirst && code <= ch::kHiraganaLast) {
    return static_cast<uint16_t>(kFirstKana + (code - ch::kHiraganaFirst));
  }
  if (code == ch::kLong) return kLongMark;
  if (code >= ch::kUpperA && code <= ch::kUpperZ) return static_cast<uint16_t>('A' + (code - ch::kUpperA));
  if (code >= ch::kLowerA && code <= ch::kLowerZ) return static_cast<uint16_t>('A' + (code - ch::kLowerA));
  if (code >= ch::kDigit0 && code <= ch::kDigit9) return static_cast<uint16_t>('0' + (code - ch::kDigit0));
  if (IsKanji(code)) return kUnreadable;
  return kSkipped;  // blanks, ・, dashes, ＆ and the like
}

struct Decoded {
  uint16_t unit;
  size_t width;  // the bytes it was read from: a half-width kana's voiced mark too
};

// The character of cp932 `text` at `at`.
Decoded DecodeOne(std::string_view text, size_t at) {
  const uint16_t code = CharCode(text.data() + at, text.size() - at);
  if (code < kFirstHalf || code > kLastHalf) return Decoded{UnitOf(code), CharWidth(code)};
  const uint16_t kana = kHalfWidth[code - kFirstHalf];
  const unsigned char mark = at + 1 < text.size() ? static_cast<unsigned char>(text[at + 1]) : 0;
  if (mark == kVoiced && kana == kU) return Decoded{kVu, 2};
  if (mark == kVoiced && TakesVoicedMark(kana)) return Decoded{static_cast<uint16_t>(kana + 1), 2};
  if (mark == kSemiVoiced && TakesSemiVoicedMark(kana)) return Decoded{static_cast<uint16_t>(kana + 2), 2};
  return Decoded{kana, 1};
}

bool Decode(std::string_view text, std::vector<uint16_t>& out) {
  out.clear();
  for (size_t i = 0; i < text.size();) {
    const Decoded one = DecodeOne(text, i);
    if (one.unit == kUnreadable) return false;
    if (one.unit != kSkipped) out.push_back(one.unit);
    i += one.width;
  }
  return true;
}

struct DecodedLoanword {
  std::vector<uint16_t> kana;
  const char* latin;
};

const std::vector<DecodedLoanword>& Loanwords() {
  static const std::vector<DecodedLoanword> words = [] {
    std::vector<DecodedLoanword> decoded;
    for (const postal::Cp932Pair& word : kLoanwords) {
      DecodedLoanword one{{}, word.second};
      Decode(word.first, one.kana);
      decoded.push_back(std::move(one));
    }
    return decoded;
  }();
  return words;
}

// The longest loanword at `units[at]`, or nullptr.
const DecodedLoanword* LoanwordAt(const std::vector<uint16_t>& units, size_t at) {
  const DecodedLoanword* best = nullptr;
  for (const DecodedLoanword& word : Loanwords()) {
    const size_t n = word.kana.size();
    if ((best != nullptr && n <= best->kana.size()) || n == 0 || at + n > units.size()) continue;
    if (std::equal(word.kana.begin(), word.kana.end(), units.begin() + static_cast<std::ptrdiff_t>(at))) best = &word;
  }
  return best;
}

bool IsVowel(char c) { return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U'; }

// ァィゥェォ after a kana take its vowel's place: ティ TI, ファ FA, シェ SHE,
// ウィ WI, イェ YE.
void ReadSmallVowel(char vowel, size_t lastKana, std::string& out) {
  if (lastKana != std::string::npos && out.size() > lastKana && IsVowel(out.back())) {
    const bool alone = out.size() - lastKana == 1;  // ウ, イ
    const char last = out.back();
    out.pop_back();
    if (alone) out += last == 'U' ? 'W' : last == 'I' ? 'Y' : last;
  }
  out += vowel;
}

// ャュョ: キャ KYA, シャ SHA, チョ CHO, ジュ JU, テュ TYU.
void ReadSmallY(char vowel, size_t lastKana, std::string& out) {
  if (lastKana != std::string::npos && out.size() > lastKana && IsVowel(out.back())) {
    const char last = out.back();
    out.pop_back();
    const std::string onset = out.substr(lastKana);
    if (!(last == 'I' && (onset == "SH" || onset == "CH" || onset == "J"))) out += 'Y';
  } else {
    out += 'Y';
  }
  out += vowel;
}

// Words any building may carry, longest first, as FoldLatinKey leaves
// them, and the marks they stand as while it folds the rest.
const char* const kCommonWords[] = {"BLDG", "TOWERS", "TOWER", "CENTER"};
const char* const kCommonMarks[] = {"\x02", "\x03", "\x04", "\x05"};
constexpr size_t kCommonWordCount = sizeof(kCommonWords) / sizeof(kCommonWords[0]);

// `from` in `text` replaced by `to` wherever it is.
void ReplaceAll(std::string& text, const char* from, const char* to) {
  const size_t n = std::strlen(from), m = std::strlen(to);
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + m)) text.replace(at, n, to);
}

}  // namespace

bool AppendLatinReading(std::string_view text, std::vector<uint16_t>& units, std::string& out) {
  if (!Decode(text, units)) return false;
  size_t lastKana = std::string::npos;  // where the last kana's reading begins in `out`
  for (size_t i = 0; i < units.size();) {
    const uint16_t unit = units[i];
    if (const DecodedLoanword* word = LoanwordAt(units, i)) {
      out += word->latin;
      lastKana = std::string::npos;
      i += word->kana.size();
      continue;
    }
    ++i;
    if (unit < 0x80) {
      out += static_cast<char>(unit);
      lastKana = std::string::npos;
      continue;
    }
    // ー and ッ: vowel length and doubled consonants are not in the key
    if (unit == kLongMark || unit == kSmallTsu || unit < kFirstKana || unit > kLastKana) continue;
    const char* reading = kHepburn[unit - kFirstKana];
    if (reading[0] >= 'a' && reading[0] <= 'z') {
      const bool y = reading[0] == 'y';
      const char vowel = static_cast<char>(reading[y ? 1 : 0] - 'a' + 'A');
      if (y) {
        ReadSmallY(vowel, lastKana, out);
      } else {
        ReadSmallVowel(vowel, lastKana, out);
      }
      lastKana = std::string::npos;
      continue;
    }
    lastKana = out.size();
    out += reading;
  }
  return true;
}

void FoldLatinKey(std::string& key) {
  ReplaceAll(key, "BIRUDINGU", "BLDG");
  ReplaceAll(key, "BIRUJINGU", "BLDG");
  ReplaceAll(key, "BUILDING", "BLDG");
  ReplaceAll(key, "BIRU", "BLDG");
  ReplaceAll(key, "BLDG", "\x01");  // BLD alone, then BLDG back
  ReplaceAll(key, "BLD", "\x01");
  ReplaceAll(key, "\x01", "BLDG");
  ReplaceAll(key, "CENTRE", "CENTER");
  ReplaceAll(key, "TCH", "CH");
  // the common words stand apart, so that dropping them leaves the rest
  // whole (TRUST TOWER is TRUST, not TRUS)
  for (size_t w = 0; w < kCommonWordCount; ++w) ReplaceAll(key, kCommonWords[w], kCommonMarks[w]);
  std::string folded;
  folded.reserve(key.size());
  for (size_t i = 0; i < key.size(); ++i) {
    const char c = key[i];
    const char next = i + 1 < key.size() ? key[i + 1] : '\0';
    if (!folded.empty() && folded.back() == c) continue;               // PP, LL, AA
    if (c == 'U' && !folded.empty() && folded.back() == 'O') continue;  // OU
    if (c == 'H' && !folded.empty() && folded.back() == 'O' && !IsVowel(next) && next != 'Y') continue;  // OH
    folded += c == 'M' && (next == 'B' || next == 'P') ? 'N' : c;
  }
  for (size_t w = 0; w < kCommonWordCount; ++w) ReplaceAll(folded, kCommonMarks[w], kCommonWords[w]);
  key.swap(folded);
}

void DropCommonLatinWords(std::string& key) {
  for (size_t w = 0; w < kCommonWordCount; ++w) ReplaceAll(key, kCommonWords[w], "");
}

void LatinSkeleton(const std::string& key, std::string& out) {
  out.clear();
  const auto vowelAt = [&](size_t k) { return k < key.size() && (IsVowel(key[k]) || key[k] == 'Y'); };
  for (size_t i = 0; i < key.size(); ++i) {
    const char c = key[i];
    const char next = i + 1 < key.size() ? key[i + 1] : '\0';
    char sound = 0;
    if (IsVowel(c) || c == 'W' || c == 'Y') continue;
    if ((c == 'S' || c == 'C' || c == 'T') && next == 'H') {
      sound = 'S';  // SH, CH, TH
      ++i;
    } else if (c == 'P' && next == 'H') {
      sound = 'P';
      ++i;
    } else if (c == 'T' && next == 'S') {
      sound = 'S';  // ツ TSU
      ++i;
    } else if (c == 'R') {
      if (!vowelAt(i + 1)) continue;  // TOWER, PARK: no R is heard
      sound = 'R';
    } else if (c == 'X') {
      if (out.empty() || out.back() != 'K') out += 'K';
      sound = 'S';
    } else if (c == 'C') {
      sound = next == 'E' || next == 'I' || next == 'Y' ? 'S' : 'K';
    } else {
      switch (c) {
        case 'B': case 'P': case 'F': case 'V': sound = 'P'; break;
        case 'K': case 'G': case 'Q': sound = 'K'; break;
        case 'S': case 'Z': case 'J': sound = 'S'; break;
        case 'T': case 'D': sound = 'T'; break;
        case 'N': case 'M': sound = 'N'; break;
        case 'L': sound = 'R'; break;
        default: sound = c;  // H and digits
      }
    }
    if (out.empty() || out.back() != sound) out += sound;
  }
}

}  // namespace resolver
