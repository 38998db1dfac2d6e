#include "workers/memory_limit.h"

#include <windows.h>

namespace zuvediv {

size_t physical_memory_bytes() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    return GlobalMemoryStatusEx(&status) ? static_cast<size_t>(status.ullTotalPhys) : 0;
}

}  // namespace zuvediv
