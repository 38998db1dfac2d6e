#pragma once
// A decompression bomb must cost its own document, not the machine: each
// worker may grow by a fixed amount of memory. The cap is 1 GiB, or less
// where the workers together would take more than half of the memory.
#include <cstddef>

#include "workers/worker_end.h"

namespace zuvediv {

size_t physical_memory_bytes();
size_t worker_memory_cap(int workers, size_t physical_bytes);

// A worker the kernel killed while it held most of its cap ran out of
// memory, though its own allocations all succeeded.
bool ran_out_of_memory(const WorkerEnd& end, size_t cap);

// In a worker after fork: limits what it may allocate from now on to cap
// bytes (0: no limit), and makes a crash after a failed allocation report
// out_of_memory on result_fd instead of a plain crash.
void limit_worker_memory(size_t cap, int result_fd);

}  // namespace zuvediv
