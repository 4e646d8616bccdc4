// Japan Post's downloads beside the program become the
#pragma once

#include <windows.h>

namespace kuranto {

// files it opens, before the data check. True when the address file was
// made: every index file is then due, whatever date was stored.
bool ExtractDownloadsAtStart(HWND window, const datafiles::FileSet& files);

}  // namespace kuranto
