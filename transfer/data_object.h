// The data object of a drag: one text offered as CF_TEXT.
#pragma once

#include <windows.h>
#include <ole2.h>

#include "win32/com.h"

namespace kuranto {

// The one format offered: CF_TEXT, no target device, the content aspect,
// all of it, in global memory.
constexpr FORMATETC kTextFormat = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};

// Bytes of each global block GetData hands out: the text buffer and one more.
constexpr SIZE_T kDragBlockBytes = 1001;

// A data object (count 1) holding a copy of `text` (cp932, null taken as "",
// cut to 999 bytes at a character boundary). Each GetData of kTextFormat
// gives a new fixed, zeroed block of kDragBlockBytes that the receiver owns.
// Null when there is no memory for it.
ComPtr<IDataObject> MakeTextDataObject(const char* text);

}  // namespace kuranto
