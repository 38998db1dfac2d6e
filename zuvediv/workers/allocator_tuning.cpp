#include "workers/allocator_tuning.h"

#include <malloc.h>

namespace zuvediv {

void keep_freed_memory() {
    // Every page builds and frees text and box buffers of a few hundred KiB.
    // By default glibc serves those from fresh mappings or trims them off the
    // heap again, and each of their pages faults back in on the next page;
    // with the page cache's writes in between, that cost a tenth of a search.
    // Setting both values fixes them (no dynamic adjustment).
    mallopt(M_MMAP_THRESHOLD, 32 << 20);  // the largest glibc accepts
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

}  // namespace zuvediv
