// The drop source of the program's drags.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "win32/com.h"

namespace kuranto {

// A drop source (count 1): Escape cancels, letting go of the left button
// drops, the system's cursors show. Null when there is no memory for it.
ComPtr<IDropSource> MakeTextDropSource();

}  // namespace kuranto
