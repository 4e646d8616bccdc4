// What the commands that answer lines share: standard input read a line at
// a time, and a column number read from an option.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "query/context.h"

namespace query {

// `raw` in the encoding `utf8` names, without its line end; input line `lineNumber`.
using InputLine = std::function<void(const std::string& raw, bool utf8, long lineNumber)>;

// Standard input a line at a time (LF or CR LF; UTF-16 with its byte order
// mark read as UTF-8), `line` told each one, whatever it holds, as it comes.
// At a terminal each answer is flushed at once; in a pipe stdio's buffer
// decides. kExitRefused, nothing told, for input whose lines cannot be told
// apart (UTF-16 without a byte order mark, CR alone); else kExitOk.
int ReadStandardInput(const Context& context, const InputLine& line);

// The lines of `arguments`, or of standard input where there are none, told
// to `lines` (Line(raw, utf8, number), then PrintSetApart()) as they come.
template <typename Lines>
int AnswerEachLine(const Context& context, const std::vector<std::string>& arguments, Lines& lines) {
  int code = kExitOk;
  if (arguments.empty()) {
    code = ReadStandardInput(context, [&lines](const std::string& raw, bool utf8, long number) {
      lines.Line(raw, utf8, number);
    });
    if (code == kExitOk) lines.PrintSetApart();
  } else {
    long number = 0;
    for (const std::string& text : arguments) lines.Line(text, context.options().utf8Arguments, ++number);
    lines.PrintSetApart();
  }
  std::fflush(stdout);
  return code;
}

// "; they read as UTF-8: give --utf8" where lines set apart as no text
// were UTF-8 read as Shift-JIS (`anyUtf8`: a C locale, say), else "".
std::string Utf8Hint(bool anyUtf8);
// Whether a line that is no text in the encoding `utf8` names would be UTF-8 text.
bool ReadsAsUtf8(const std::string& raw, bool utf8);

// A column number of an option, from 1; false for anything else.
bool ReadColumn(const std::string& text, size_t& column);

}  // namespace query
