// Making a large buffer's memory present before it is filled.
#pragma once

#include <cstddef>

namespace resolver {

// Asks the system to back [data, data + bytes) with memory now, writable, in
// one call, where it can: a fresh process otherwise takes one page fault per
// 4 KiB page, which costs the first load of a book more than its reading.
// Only a hint: where it is not available, or the buffer is small, it does
// nothing, and the pages come one fault at a time as before.
void PrefaultForWrite(void* data, size_t bytes);

}  // namespace resolver
