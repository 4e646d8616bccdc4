// The format enumerator a data object hands out (IEnumFORMATETC).
#pragma once

#include <windows.h>
#include <ole2.h>

namespace kuranto {

// An enumerator over deep copies of entries[0..count), its target devices
// duplicated, standing at `position` (at most `count`). The object, its
// array and every target-device copy come from the COM task allocator and
// go back to it at the last Release. Next hands out further copies whose
// target devices the caller frees with CoTaskMemFree, as with any enumerator.
// S_OK with *out holding the one reference; E_OUTOFMEMORY with *out null;
// E_INVALIDARG when `out` is null.
HRESULT CreateFormatEnumerator(const FORMATETC* entries, ULONG count, ULONG position, IEnumFORMATETC** out);

}  // namespace kuranto
