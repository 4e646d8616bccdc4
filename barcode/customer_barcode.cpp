#include "barcode/customer_barcode.h"

#include "postal/number_text.h"

namespace barcode {

namespace {

// Each symbol's three bars, by value (Japan Post's table; zint agrees).
const char kSymbolBars[kSymbolValues][4] = {
    "FTT", "FFT", "FDA", "DFA", "FAD", "FTF", "DAF", "AFD", "ADF", "TFF",  // 0-9
    "TFT",                                                                // -
    "DAT", "DTA", "ADT", "TDA", "ATD", "TAD", "TTF", "FFF",               // CC1-CC8
};
const char kStartBars[] = "FD";
const char kStopBars[] = "DF";

// A-J: CC1 and 0-9; K-T: CC2 and 0-9; U-Z: CC3 and 0-5.
constexpr int kLettersPerControl = 10;

size_t AddSymbol(uint8_t value, CustomerBarcode& out, size_t count) {
  if (count < kSymbolCount) out.symbols[count] = value;
  return count + 1;
}

}  // namespace

bool IsBarcodeCode(std::string_view code) {
  if (code.size() != kCodeDigits) return false;
  for (char c : code) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

std::string BarcodeCode(const std::string& typed) {
  std::string code;
  for (char c : postal::NormalizeNumberText(typed)) {
    if (c != '-' && c != ' ') code += c;
  }
  return IsBarcodeCode(code) ? code : std::string();
}

void MakeBarcode(std::string_view code, std::string_view rest, CustomerBarcode& out) {
  size_t length = 0;
  for (size_t i = 0; i < code.size() && i < kCodeDigits; ++i) out.data[length++] = code[i];
  length = AppendAddressNumbers(rest, out.data, length);
  EncodeData(std::string_view(out.data, length), out);
}

void EncodeData(std::string_view data, CustomerBarcode& out) {
  out.dataLength = data.size() < kMaxData ? data.size() : kMaxData;
  if (data.data() != out.data) {
    for (size_t i = 0; i < out.dataLength; ++i) out.data[i] = data[i];
  }
  out.data[out.dataLength] = '\0';
  size_t count = 0;
  for (size_t i = 0; i < out.dataLength && count < kSymbolCount; ++i) {
    const char c = out.data[i];
    if (c >= '0' && c <= '9') {
      count = AddSymbol(static_cast<uint8_t>(c - '0'), out, count);
    } else if (c >= 'A' && c <= 'Z') {
      const int letter = c - 'A';
      count = AddSymbol(static_cast<uint8_t>(kCC1 + letter / kLettersPerControl), out, count);
      count = AddSymbol(static_cast<uint8_t>(letter % kLettersPerControl), out, count);
    } else {
      count = AddSymbol(kHyphen, out, count);
    }
  }
  for (; count < kSymbolCount; ++count) out.symbols[count] = kCC4;
  unsigned sum = 0;
  for (size_t i = 0; i < kSymbolCount; ++i) sum += out.symbols[i];
  out.symbols[kSymbolCount] = static_cast<uint8_t>((kSymbolValues - sum % kSymbolValues) % kSymbolValues);
  size_t bar = 0;
  for (const char* b = kStartBars; *b != '\0'; ++b) out.bars[bar++] = static_cast<Bar>(*b);
  for (uint8_t value : out.symbols) {
    for (const char* b = kSymbolBars[value]; *b != '\0'; ++b) out.bars[bar++] = static_cast<Bar>(*b);
  }
  for (const char* b = kStopBars; *b != '\0'; ++b) out.bars[bar++] = static_cast<Bar>(*b);
}

std::string SymbolsText(const CustomerBarcode& code) {
  std::string text;
  for (uint8_t value : code.symbols) {
    if (value < kHyphen) {
      text += static_cast<char>('0' + value);
    } else if (value == kHyphen) {
      text += '-';
    } else {
      text += "CC";
      text += static_cast<char>('1' + (value - kCC1));
    }
  }
  return text;
}

std::string BarsText(const CustomerBarcode& code) {
  std::string text;
  for (Bar bar : code.bars) text += static_cast<char>(bar);
  return text;
}

}  // namespace barcode
