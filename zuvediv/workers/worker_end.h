#pragma once
// How a worker process ended. Linux's out-of-memory killer ends a process
// with SIGKILL and no word; the most the worker held tells that end from a
// crash (see ran_out_of_memory in memory_limit.h). A Windows worker's
// allocations fail at its Job's cap instead.
#include <cstddef>

namespace zuvediv {

struct WorkerEnd {
    bool killed = false;    // by SIGKILL, from whomever
    size_t peak_bytes = 0;  // the most it ever held resident
};

}  // namespace zuvediv
