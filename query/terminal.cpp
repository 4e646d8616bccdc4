#include "query/terminal.h"

#include <langinfo.h>
#include <unistd.h>

#include <clocale>
#include <cstring>

namespace query {

namespace {

bool IsUtf8Name(const char* codeset) {
  return codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

}  // namespace

TerminalEncoding DetectTerminalEncoding() {
  // Only asked, then put back: the core's byte scanning assumes the C locale.
  std::setlocale(LC_CTYPE, "");
  const bool utf8 = IsUtf8Name(nl_langinfo(CODESET));
  std::setlocale(LC_CTYPE, "C");
  TerminalEncoding encoding;
  encoding.utf8Text = utf8;
  encoding.utf8Arguments = utf8;
  return encoding;
}

bool IsTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) != 0; }

void SetBinaryMode(std::FILE*) {}

}  // namespace query
