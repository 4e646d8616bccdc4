// Lines of text one after another, as the query tool answers them from
// standard input: LF or CR LF ends a line, the last may have none, and every
// line comes out, whatever bytes it holds. UTF-16 with its byte order mark is
// read as UTF-8.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "lists/list_form.h"
#include "lists/utf16.h"

namespace lists {

class TextLines {
 public:
  // Up to `size` bytes into `buffer`; 0 at the end. May return fewer before
  // the end (a line typed at a terminal).
  using Source = std::function<size_t(char* buffer, size_t size)>;

  explicit TextLines(Source source) : source_(std::move(source)) {}

  // Reads the start and tells what it is: kText to go on, or a refusal.
  ListStart Open();
  // True when the lines are UTF-8 because the bytes were UTF-16.
  bool fromUtf16() const { return order_ != Utf16Order::kNone; }

  // The next line without its line end; false after the last.
  bool Next(std::string& line);
  long lineNumber() const { return lineNumber_; }  // of the line Next gave

 private:
  bool Fill();

  Source source_;
  Utf16Order order_ = Utf16Order::kNone;
  Utf16Decoder decoder_{Utf16Order::kNone};
  std::string buffer_;
  size_t used_ = 0;
  bool ended_ = false;
  long lineNumber_ = 0;
};

// Whether a line can be read as an address: no NUL or other control byte but
// the tab, and UTF-8 throughout (`utf8`) or Shift-JIS (cp932) throughout.
bool IsTextLine(const std::string& line, bool utf8);

}  // namespace lists
