#include "workers/memory_limit.h"

#include <algorithm>

namespace zuvediv {

namespace {

constexpr size_t kDefaultCap = size_t{1} << 30;

}  // namespace

size_t worker_memory_cap(int workers, size_t physical_bytes) {
    if (physical_bytes == 0) return kDefaultCap;
    return std::min(kDefaultCap, physical_bytes / 2 / static_cast<size_t>(std::max(1, workers)));
}

bool ran_out_of_memory(const WorkerEnd& end, size_t cap) { return end.killed && cap > 0 && end.peak_bytes >= cap / 4 * 3; }

}  // namespace zuvediv
