// Opening a file or an address with the program the system associates with
// it. The About box and the help open everything through here, so a test can
// see what would have been opened instead of starting a browser.
#pragma once

#include <windows.h>

namespace kuranto {

// What the shell answered: above 32 when it opened `target` (cp932).
using ShellOpener = INT_PTR (*)(const char* target);

// Replaces the shell for later calls; nullptr restores it.
void SetShellOpener(ShellOpener opener);

// ShellExecuteA with no window, the default verb, no parameters and no
// directory, shown normally; or the opener set above.
INT_PTR OpenWithShell(const char* target);

// ShellExecuteA's answers above this mean success.
constexpr INT_PTR kShellErrorLimit = 32;

}  // namespace kuranto
