#pragma once
// A decompression bomb must cost its own document, not the machine: each
// worker may grow by a fixed amount of memory. The cap is 1 GiB, or less
// where the workers together would take more than half of the memory.
#include <cstddef>

namespace zuvediv {

extern const char* const kOutOfMemory;

size_t physical_memory_bytes();
size_t worker_memory_cap(int workers, size_t physical_bytes);

}  // namespace zuvediv
