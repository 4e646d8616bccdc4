// Japan Post's customer barcode (カスタマバーコード): the postal code and the
// address's numbers as 20 symbols, a check digit and 67 bars of four kinds.
// Fixed-size storage throughout, so that a list of any length is encoded
// without allocating per address.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace barcode {

constexpr size_t kCodeDigits = 7;
constexpr size_t kSymbolCount = 20;            // before the check digit
constexpr size_t kBarCount = 2 + 3 * (kSymbolCount + 1) + 2;  // start, symbols, check, stop: 67
// Data past this length can never reach the 20 symbols; it is cut.
constexpr size_t kMaxData = 64;

// A symbol's value as the check digit sums it: 0-9 the digits, 10 the "-",
// 11-18 the control symbols CC1-CC8.
constexpr uint8_t kHyphen = 10;
constexpr uint8_t kCC1 = 11;
constexpr uint8_t kCC4 = 14;  // fills the symbols up to 20
constexpr uint8_t kCC8 = 18;
constexpr uint8_t kSymbolValues = 19;

// The letters the bars are written with: long (full height), the upper half,
// the lower half, and the short timing bar. As zint writes them too.
enum class Bar : char { kLong = 'F', kUpper = 'A', kLower = 'D', kTiming = 'T' };

struct CustomerBarcode {
  // "26300233-30-8-403": the 7 digits, then the address's numbers (digits,
  // capital letters, "-"). NUL-terminated.
  char data[kMaxData + 1] = {};
  size_t dataLength = 0;
  uint8_t symbols[kSymbolCount + 1] = {};  // the 20 values and the check digit's
  Bar bars[kBarCount] = {};

  std::string_view Data() const { return std::string_view(data, dataLength); }
  uint8_t CheckDigit() const { return symbols[kSymbolCount]; }
};

// True when `code` is 7 ASCII digits, as the barcode needs it.
bool IsBarcodeCode(std::string_view code);
// A code as people type it (cp932: 〒, blanks, full-width digits, a dash)
// as its 7 digits; empty when it is no 7-digit code.
std::string BarcodeCode(const std::string& typed);

// The address's numbers (住所表示番号) from the text after the town's name
// (cp932), by Japan Post's rules; appended to the `written` bytes of `out`
// up to kMaxData bytes, and the bytes now written returned.
// The rules, in their order:
//   full-width letters and digits as ASCII, letters upper case;
//   & / ・ . removed;
//   a kanji numeral right before 丁目 丁 番地 番 号 地割 線 の ノ as its number;
//   two or more letters in a row as one "-", a single letter kept;
//   any other character (and an F after digits: a floor) as "-";
//   runs of "-" as one, no "-" at either end nor beside a single letter
//   (but the "-" of a letter run written beside a digit: 3-28SAKURA N32
//   is 3-28-N32, while 5 郵便AbコーポB604 is 5B604).
size_t AppendAddressNumbers(std::string_view text, char* out, size_t written);

// Fills `out` from a 7-digit code (IsBarcodeCode) and the text after the
// town's name (cp932; empty for the code alone): data, symbols, bars.
void MakeBarcode(std::string_view code, std::string_view rest, CustomerBarcode& out);

// Fills symbols and bars from data already made (digits, A-Z, "-"), as
// zint takes it. Other bytes are read as "-". Data past kMaxData is cut,
// `out.data` itself (MakeBarcode's way) included.
void EncodeData(std::string_view data, CustomerBarcode& out);

// "26300233-30-8-403CC4CC4CC45": the 20 symbols and the check digit, each a
// digit, "-" or CCn.
std::string SymbolsText(const CustomerBarcode& code);
// The 67 bars as their letters.
std::string BarsText(const CustomerBarcode& code);

}  // namespace barcode
