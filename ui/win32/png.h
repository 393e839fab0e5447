#pragma once
// PNG pixels from bytes in memory, with no system decoder: starting COM and
// its imaging library costs more start-up time and memory than decoding.
#include "art.h"

#include <cstddef>

namespace win32 {

// The PNG in `bytes` as 32-bit BGRA pixels, top row first, not premultiplied;
// false, and `out` untouched, if it cannot be read.
bool decodePng(const void *bytes, std::size_t size, Picture &out);

} // namespace win32
