#include "query/terminal.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

namespace query {

TerminalEncoding DetectTerminalEncoding() {
  UINT console = GetConsoleOutputCP();
  if (console == 0) console = GetConsoleCP();  // no console output: perhaps redirected
  if (console == 0) console = GetACP();        // no console at all
  TerminalEncoding encoding;
  encoding.utf8Text = console == CP_UTF8;
  encoding.utf8Arguments = GetACP() == CP_UTF8;
  return encoding;
}

bool IsTerminal(std::FILE* stream) { return _isatty(_fileno(stream)) != 0; }

void SetBinaryMode(std::FILE* stream) {
  std::fflush(stream);
  _setmode(_fileno(stream), _O_BINARY);
}

}  // namespace query
