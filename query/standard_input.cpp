#include "query/standard_input.h"

#include <cstdio>
#include <cstdlib>

#include "lists/text_lines.h"
#include "query/terminal.h"

namespace query {

namespace {

const char kLabel[] = "kuranto-query: ";
constexpr size_t kLongestColumnText = 6;

// What a terminal has typed: up to a line end, so that each line is answered
// as it is typed.
size_t ReadTypedLine(char* buffer, size_t size) {
  size_t got = 0;
  int c;
  while (got < size && (c = std::getc(stdin)) != EOF) {
    buffer[got++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  return got;
}

}  // namespace

int ReadStandardInput(const Context& context, const InputLine& line) {
  const bool interactive = IsTerminal(stdin);
  if (!interactive) SetBinaryMode(stdin);
  lists::TextLines input([interactive](char* buffer, size_t size) {
    return interactive ? ReadTypedLine(buffer, size) : std::fread(buffer, 1, size, stdin);
  });
  switch (input.Open()) {
    case lists::ListStart::kUtf16WithoutBom:
      std::fprintf(stderr,
                   "%sstandard input looks like UTF-16 without a byte order mark; give it one (as Excel's "
                   "\"Unicode text\" has), or UTF-8 or Shift-JIS; nothing written\n",
                   kLabel);
      return kExitRefused;
    case lists::ListStart::kCrOnly:
      std::fprintf(stderr, "%sstandard input ends its lines with CR alone, not LF or CR LF; nothing written\n", kLabel);
      return kExitRefused;
    case lists::ListStart::kText:
      break;
  }
  const bool utf8 = input.fromUtf16() || context.options().utf8;
  std::string text;
  while (input.Next(text)) {
    line(text, utf8, input.lineNumber());
    if (interactive) std::fflush(stdout);
  }
  return kExitOk;
}

std::string Utf8Hint(bool anyUtf8) { return anyUtf8 ? "; they read as UTF-8: give --utf8" : ""; }

bool ReadsAsUtf8(const std::string& raw, bool utf8) { return !utf8 && lists::IsTextLine(raw, true); }

bool ReadColumn(const std::string& text, size_t& column) {
  if (text.empty() || text.size() > kLongestColumnText || text.find_first_not_of("0123456789") != std::string::npos) {
    return false;
  }
  column = static_cast<size_t>(std::strtoul(text.c_str(), nullptr, 10));
  return column >= 1;
}

}  // namespace query
