#pragma once
// A decompression bomb must cost its own document, not the machine: each
// worker may grow by a fixed amount of memory. The cap is 1 GiB, or less
// where the workers together would take more than half of the memory.
#include <cstddef>

#include "workers/worker_end.h"

namespace zuvediv {

size_t physical_memory_bytes();
size_t worker_memory_cap(int workers, size_t physical_bytes);

// A worker the system killed while it held most of its cap ran out of
// memory, though its own allocations all succeeded.
bool ran_out_of_memory(const WorkerEnd& end, size_t cap);

}  // namespace zuvediv
