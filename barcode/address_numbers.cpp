// The address's numbers by Japan Post's rules (customer_barcode.h lists
// them). The text is read into a small buffer of digits, letters and "-",
// then the rules that look at neighbours run over that buffer in order.
#include <cstring>

#include "barcode/barcode_words.h"
#include "barcode/customer_barcode.h"
#include "postal/text.h"
#include "resolver/cp932_cursor.h"
#include "resolver/cp932_words.h"
#include "resolver/normalize.h"

namespace barcode {

namespace {

using resolver::IsAsciiDigit;
using resolver::IsLatinCapital;

// Enough for any address's numbers; a longer text is read this far.
constexpr size_t kWorkSize = 256;
constexpr char kOther = '-';
constexpr char kRunHyphen = '=';  // a letter run's "-", kept beside a letter


// Removed before anything else is read: & / ・ . and their full-width forms
// (kRemovedFullWidth, barcode_words.words).
constexpr uint16_t kRemoved[] = {
    '&', '/', '.',
    0xA5,  // ･ (half-width)
};

// kNumeralUnits (barcode_words.words): 丁 stands for 丁目 too, 番 for 番地.

bool IsRemoved(uint16_t code) {
  for (uint16_t removed : kRemoved) {
    if (code == removed) return true;
  }
  for (uint16_t removed : kRemovedFullWidth) {
    if (code == removed) return true;
  }
  return false;
}


// The ASCII digit or capital letter `code` is, else 0.
char AsAscii(uint16_t code) {
  if (code >= '0' && code <= '9') return static_cast<char>(code);
  if (code >= 'A' && code <= 'Z') return static_cast<char>(code);
  if (code >= 'a' && code <= 'z') return static_cast<char>(code - 'a' + 'A');
  // full-width digits and letters, read as their ASCII
  using namespace resolver::ch;
  if (code >= kDigit0 && code <= kDigit9) return static_cast<char>('0' + (code - kDigit0));
  if (code >= kUpperA && code <= kUpperZ) return static_cast<char>('A' + (code - kUpperA));
  if (code >= kLowerA && code <= kLowerZ) return static_cast<char>('A' + (code - kLowerA));
  return 0;
}

bool StartsWithUnit(std::string_view text, size_t at) {
  for (const char* unit : kNumeralUnits) {
    if (resolver::WordAt(text, at, unit)) return true;
  }
  return false;
}

class Work {
 public:
  bool Full() const { return size_ + kNumberRoom >= kWorkSize; }
  void Push(char c) {
    // Runs of other characters are one "-" in the end; keeping one is enough.
    if (c == kOther && size_ > 0 && at_[size_ - 1] == kOther) return;
    at_[size_++] = c;
  }
  void PushNumber(unsigned long value) {
    char digits[kNumberRoom];
    size_t n = 0;
    do {
      digits[n++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value > 0 && n < kNumberRoom);
    while (n > 0) Push(digits[--n]);
  }

  // Two or more letters in a row are one "-". Beside a digit it joins no
  // single letter to the numbers either (3-28SAKURA N32 is 3-28-N32).
  void ReplaceLetterRuns() {
    size_t kept = 0;
    for (size_t i = 0; i < size_;) {
      size_t end = i;
      while (end < size_ && IsLatinCapital(at_[end])) ++end;
      if (end - i >= 2) {
        const bool besideDigit = (i > 0 && IsAsciiDigit(at_[i - 1])) || (end < size_ && IsAsciiDigit(at_[end]));
        at_[kept++] = besideDigit ? kRunHyphen : kOther;
        i = end;
        continue;
      }
      if (end == i) ++end;
      while (i < end) at_[kept++] = at_[i++];
    }
    size_ = kept;
  }

  // An F after digits is a floor: another character.
  void ReadFloors() {
    for (size_t i = 1; i < size_; ++i) {
      if (at_[i] == 'F' && IsAsciiDigit(at_[i - 1])) at_[i] = kOther;
    }
  }

  // One "-" for a run, none beside a letter (but a letter run's own) nor at
  // either end.
  size_t Write(char* out, size_t written) const {
    size_t outLength = written;
    const size_t first = outLength;
    bool lastHard = false;  // the last "-" written stands for a letter run
    for (size_t i = 0; i < size_ && outLength < kMaxData; ++i) {
      const char c = at_[i];
      const bool afterNothing = outLength == first;
      const char last = afterNothing ? '\0' : out[outLength - 1];
      if (c != kOther && c != kRunHyphen) {
        if (IsLatinCapital(c) && last == kOther && !lastHard) --outLength;
        out[outLength++] = c;
        continue;
      }
      const bool hard = c == kRunHyphen;
      if (afterNothing) continue;
      if (last == kOther) {
        lastHard = lastHard || hard;
      } else if (!IsLatinCapital(last) || hard) {
        out[outLength++] = kOther;
        lastHard = hard;
      }
    }
    if (outLength > first && out[outLength - 1] == kOther) --outLength;
    out[outLength] = '\0';
    return outLength;
  }

 private:
  static constexpr size_t kNumberRoom = 12;
  char at_[kWorkSize];
  size_t size_ = 0;
};

// A kanji numeral run at `at` (or the katakana typed for one, "ニ丁目")
// read as its number when a unit follows it: the bytes it takes, 0 when it
// stays a word.
size_t ReadNumeral(std::string_view text, size_t at, Work& work) {
  const resolver::NumeralRun run = resolver::ReadNumeralRun(text, at);
  if (run.bytes == 0 || !StartsWithUnit(text, at + run.bytes)) return 0;
  work.PushNumber(static_cast<unsigned long>(run.value));
  return run.bytes;
}

}  // namespace

size_t AppendAddressNumbers(std::string_view text, char* out, size_t written) {
  Work work;
  for (resolver::Cp932Cursor c{text}; !c.AtEnd() && !work.Full();) {
    const uint16_t code = c.Peek();
    if (IsRemoved(code)) {
      c.Next();
      continue;
    }
    if (const char ascii = AsAscii(code)) {
      work.Push(ascii);
      c.Next();
      continue;
    }
    const size_t numeral = ReadNumeral(text, c.pos, work);
    if (numeral > 0) {
      c.pos += numeral;
      continue;
    }
    work.Push(kOther);
    c.Next();
  }
  work.ReplaceLetterRuns();
  work.ReadFloors();
  return work.Write(out, written);
}

}  // namespace barcode
