// One address as a label shows it, and why a label may go without its
// barcode. Texts are UTF-8 so that a label prints every character the list
// wrote (a front end reading cp932 converts it once, encoding/text_encoding.h).
#pragma once

#include <string>

#include "barcode/customer_barcode.h"

namespace labels {

// Why a label has no barcode; kNone when it has one.
enum class NoBarcode {
  kNone,
  kNotExact,      // the address's code is not exact (nor an office's)
  kDisagrees,     // the list's own code is not the address's
  kNotAsked,      // printed without barcodes (--no-barcode)
  kTooNarrow,     // the label cannot hold even the smallest barcode
};
constexpr int kNoBarcodeCount = 5;

struct Label {
  long line = 0;     // the list's line, for messages; 0 when it has none
  std::string code;  // as printed: "123-4567", or as the list wrote a code that is no 7 digits; "" for none
  std::string address;   // the first address line
  std::string building;  // the second line ("" for one line)
  std::string company, department;
  std::string name;       // the person, "" for none
  std::string honorific;  // 様, 御中 or "" after the name (or the company), as Honorific() gives it
  // The customer barcode; used only when `noBarcode` is kNone.
  barcode::CustomerBarcode barcode;
  NoBarcode noBarcode = NoBarcode::kNotExact;
};

// 様 and 御中 in UTF-8.
extern const char kSama[];
extern const char kOnchu[];

enum class HonorificRule {
  kAuto,     // 様 after a person's name; 御中 after a company or department with no person
  kSama,     // 様 always
  kOnchu,    // 御中 always
  kNone,     // nothing added
};

// The honorific `rule` gives a label with `name`, `company` and
// `department` (UTF-8): "" where the name already ends with one the list
// wrote (様 殿 御中 先生 各位), or where there is nothing to put it after.
std::string Honorific(HonorificRule rule, const std::string& name, const std::string& company,
                      const std::string& department);

}  // namespace labels
