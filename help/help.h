// The help command: the help file beside the program, opened by the shell.
#pragma once

#include <string>

namespace kuranto {

// Hands `programDirectory` (ending in "\") + "kuranto.hlp" to the shell when
// that file is there. No current Windows opens a .hlp file, so when there is
// none or the shell cannot open it, the page "kuranto.html" beside it is
// opened instead. With neither file nothing happens and nothing is reported.
void ShowHelp(const std::string& programDirectory);

}  // namespace kuranto
