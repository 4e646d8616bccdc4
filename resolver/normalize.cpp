#include "resolver/normalize.h"

#include <cstring>

#include "encoding/hyphens.h"
#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"

namespace resolver {

namespace {

// Longer runs are no numbers anyone writes before 丁目; they stay as written.
constexpr size_t kMaxNumeralRun = 8;

// The values of ch::kNumerals, 〇 to 九 then 十 百 千.
constexpr int kNumeralValues[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 100, 1000};
static_assert(sizeof(kNumeralValues) / sizeof(kNumeralValues[0]) == sizeof(ch::kNumerals) / sizeof(ch::kNumerals[0]),
              "a value for each numeral");

// The units a numeral is converted before; 階 too, for the floor.
const char* const kNumberUnits[] = {word::kChome, word::kMachime, word::kBanchi,  word::kBan, word::kGo,
                                    word::kJo,    word::kSen,     word::kChiwari, word::kKai};

bool IsDigitCode(uint16_t code) { return (code >= '0' && code <= '9') || (code >= ch::kDigit0 && code <= ch::kDigit9); }

// A unit at `at`, its kanji read folded (條 is 条).
bool StartsWithUnit(std::string_view text, size_t at) {
  for (const char* unit : kNumberUnits) {
    const std::string_view word(unit);
    Cp932Cursor c{text, at};
    while (c.pos - at < word.size() && !c.AtEnd()) {
      const size_t i = c.pos - at;
      if (FoldVariantKanji(c.Peek()) != CharCode(word.data() + i, word.size() - i)) break;
      c.Next();
    }
    if (c.pos - at == word.size()) return true;
  }
  return false;
}


// "二十七番地一": the lot's last number, after a 番地 or 番 with digits before
// it (spelled so far in `out`), ending the text or followed by a blank.
bool EndsLot(std::string_view text, size_t end, const std::string& out) {
  if (end < text.size() && !IsBlank(Cp932Cursor{text, end}.Peek())) return false;
  for (const std::string_view unit : {std::string_view(word::kBanchi), std::string_view(word::kBan)}) {
    if (out.size() > unit.size() && EndsWithWord(out, unit)) {
      const char before = out[out.size() - unit.size() - 1];
      return before >= '0' && before <= '9';
    }
  }
  return false;
}

// Converts the numeral run at `at` when a unit follows it, or when it ends
// a lot; returns the bytes consumed, 0 when the run stays as written. A run
// with a look-alike katakana ("尾倉ニ丁目") is a number only before a unit.
size_t ConvertNumeralRun(std::string_view text, size_t at, std::string& out) {
  const NumeralRun run = ReadNumeralRun(text, at);
  const size_t end = at + run.bytes;
  if (run.bytes == 0 || !(StartsWithUnit(text, end) || (!run.lookalike && EndsLot(text, end, out)))) return 0;
  out += std::to_string(run.value);
  return run.bytes;
}

bool DigitAt(std::string_view text, size_t at) { return IsDigitCode(Cp932Cursor{text, at}.Peek()); }

// ー and ｰ are hyphens only between digits.
bool IsHyphenHere(uint16_t code, bool afterDigit, std::string_view text, size_t next) {
  const encoding::HyphenForm* form = encoding::Cp932Hyphen(code);
  if (form == nullptr) return false;
  return form->use == encoding::HyphenUse::kAlways || (afterDigit && DigitAt(text, next));
}

}  // namespace

long NumeralRunValue(const int* values, size_t count) {
  bool positional = false;
  for (size_t i = 0; i < count; ++i) positional = positional || values[i] >= 10;
  long total = 0;
  if (!positional) {
    for (size_t i = 0; i < count; ++i) total = total * 10 + values[i];
    return total;
  }
  long digit = -1;
  for (size_t i = 0; i < count; ++i) {
    if (values[i] < 10) {
      digit = values[i];
    } else {
      total += (digit < 0 ? 1 : digit) * values[i];
      digit = -1;
    }
  }
  return total + (digit < 0 ? 0 : digit);
}

void DropAza(std::string& text) {
  using word::kOaza, word::kAza;
  size_t kept = 0;
  for (size_t i = 0; i < text.size();) {
    if (WordAt(text, i, kOaza)) {
      i += std::strlen(kOaza);
      continue;
    }
    if (WordAt(text, i, kAza)) {
      i += std::strlen(kAza);
      continue;
    }
    const size_t width = CharWidth(CharCode(text.data() + i, text.size() - i));
    for (size_t k = 0; k < width; ++k) text[kept++] = text[i + k];
    i += width;
  }
  text.resize(kept);
}

void FoldJoiningKana(std::string& text) { FoldJoiningKana(text, nullptr); }

void FoldJoiningKana(std::string& text, std::vector<uint32_t>* origins) {
  uint16_t before = 0;
  size_t kept = 0;
  for (size_t i = 0; i < text.size();) {
    const uint16_t code = CharCode(text.data() + i, text.size() - i);
    const size_t width = CharWidth(code);
    if (code == ch::kRiKana && before == ch::kTsu) {
      before = code;
      i += width;
      continue;
    }
    uint16_t folded = 0;
    // ヵ is カ already: "五ヵ所浦" is the file's 五ケ所浦
    if (code == ch::kKe || code == ch::kSmallKe || code == ch::kGa || code == ch::kGaKana || code == ch::kKa) {
      folded = ch::kKe;
    }
    if (code == ch::kNo || code == ch::kNoKana) folded = ch::kNoKana;
    const bool fold = folded != 0 && folded != code && IsKanji(before) && i + width < text.size() &&
                      IsKanji(CharCode(text.data() + i + width, text.size() - i - width));
    if (fold) {
      text[kept] = static_cast<char>(folded >> 8);
      text[kept + 1] = static_cast<char>(folded & 0xFF);
    } else {
      for (size_t k = 0; k < width; ++k) text[kept + k] = text[i + k];
    }
    if (origins != nullptr) {
      for (size_t k = 0; k < width; ++k) (*origins)[kept + k] = (*origins)[i + k];
    }
    kept += width;
    before = code;
    i += width;
  }
  if (origins != nullptr) {
    (*origins)[kept] = (*origins)[text.size()];
    origins->resize(kept + 1);
  }
  text.resize(kept);
}

int KanjiNumeralValue(unsigned code) {
  for (size_t i = 0; i < sizeof(kNumeralValues) / sizeof(kNumeralValues[0]); ++i) {
    if (ch::kNumerals[i] == code) return kNumeralValues[i];
  }
  return -1;
}

int LookalikeNumeralValue(unsigned code) {
  if (code == ch::kNiKana) return 2;
  if (code == ch::kHaKana) return 8;
  return -1;
}

NumeralRun ReadNumeralRun(std::string_view text, size_t at) {
  NumeralRun run;
  int values[kMaxNumeralRun];
  size_t count = 0, lookalikes = 0;
  Cp932Cursor c{text, at};
  for (;; c.Next()) {
    int value = KanjiNumeralValue(c.Peek());
    if (value < 0 && (value = LookalikeNumeralValue(c.Peek())) >= 0) ++lookalikes;
    if (value < 0) break;
    if (count == kMaxNumeralRun) return run;
    values[count++] = value;
  }
  if (count == 0) return run;
  if (lookalikes > 0) {
    // ニセコ, ハイツ, ニハ: a katakana word's
    const size_t before = at > 0 ? LastCharAt(text.substr(0, at)) : at;
    const bool afterLookalike =
        before < at && LookalikeNumeralValue(CharCode(text.data() + before, at - before)) >= 0;
    if (afterLookalike || IsKatakana(c.Peek()) || (lookalikes == count && count > 1)) return run;
  }
  run.value = NumeralRunValue(values, count);
  run.bytes = c.pos - at;
  run.lookalike = lookalikes > 0;
  return run;
}

namespace {

// Spells the character (or numeral run) at `i`, appending to `out`; returns
// the bytes of `text` it used.
size_t NormalizeAt(std::string_view text, size_t i, std::string& out) {
  const uint16_t code = CharCode(text.data() + i, text.size() - i);
  const size_t width = CharWidth(code);
  const bool afterDigit = !out.empty() && out.back() >= '0' && out.back() <= '9';
  if (IsBlank(code)) {
    // dropped; between two numbers a "-" ("1-2-3 4階": not floor 34)
    Cp932Cursor next{text, i + width};
    while (IsBlank(next.Peek())) next.Next();
    if (afterDigit && IsDigitCode(next.Peek())) out += '-';
  } else if (code >= ch::kDigit0 && code <= ch::kDigit9) {
    out += static_cast<char>('0' + (code - ch::kDigit0));
  } else if (code >= ch::kUpperA && code <= ch::kUpperZ) {
    out += static_cast<char>('A' + (code - ch::kUpperA));
  } else if (code >= ch::kLowerA && code <= ch::kLowerZ) {
    out += static_cast<char>('A' + (code - ch::kLowerA));
  } else if (code >= 'a' && code <= 'z') {
    out += static_cast<char>(code - 'a' + 'A');
  } else if (IsHyphenHere(code, afterDigit, text, i + width)) {
    out += '-';
  } else if (code == ch::kNoKana && afterDigit && DigitAt(text, i + width)) {
    AppendChar(ch::kNo, out);  // 4ノ6ノ16 is 4の6の16
  } else if (code == ch::kSmallKe || code == ch::kSmallKa) {
    AppendChar(code == ch::kSmallKe ? ch::kKe : ch::kKa, out);
  } else if (KanjiNumeralValue(code) >= 0 || LookalikeNumeralValue(code) >= 0) {
    const size_t used = ConvertNumeralRun(text, i, out);
    if (used > 0) return used;
    out.append(text, i, width);
  } else if (width == 2) {
    AppendChar(FoldVariantKanji(code), out);
  } else {
    out.append(text, i, width);
  }
  return width;
}

}  // namespace

void NormalizeText(std::string_view text, std::string& out) {
  out.clear();
  for (size_t i = 0; i < text.size();) i += NormalizeAt(text, i, out);
}

void NormalizeText(std::string_view text, std::string& out, std::vector<uint32_t>& origins) {
  out.clear();
  origins.clear();
  for (size_t i = 0; i < text.size();) {
    const size_t used = NormalizeAt(text, i, out);
    origins.resize(out.size(), static_cast<uint32_t>(i));
    i += used;
  }
  origins.push_back(static_cast<uint32_t>(text.size()));
}

}  // namespace resolver
