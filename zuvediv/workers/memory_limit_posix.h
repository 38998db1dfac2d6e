#pragma once
// How a forked worker keeps to its memory cap on Linux.
#include <cstddef>

namespace zuvediv {

// In a worker after fork: limits what it may allocate from now on to cap
// bytes (0: no limit), and makes a crash after a failed allocation report
// out_of_memory on result_fd instead of a plain crash.
void limit_worker_memory(size_t cap, int result_fd);

}  // namespace zuvediv
