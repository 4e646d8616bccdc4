// What the terminal around the tool speaks, for the default text encoding.
#pragma once

#include <cstdio>

namespace query {

struct TerminalEncoding {
  bool utf8Text = false;       // output lines and standard input
  bool utf8Arguments = false;  // the command line as main() receives it
};

// POSIX: the locale's character set (LANG, LC_ALL, LC_CTYPE) for both.
// Windows: the console's code page for text, the ANSI code page for the
// arguments, which Windows hands to main() in that code page.
TerminalEncoding DetectTerminalEncoding();

// Whether `stream` is a terminal rather than a file or a pipe.
bool IsTerminal(std::FILE* stream);

// Bytes written to `stream` reach it unchanged: Windows' text mode would
// turn each LF into CR LF (nothing to do elsewhere).
void SetBinaryMode(std::FILE* stream);

}  // namespace query
