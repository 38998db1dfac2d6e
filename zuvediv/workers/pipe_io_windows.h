#pragma once
// Whole reads and writes on the pipes between the coordinator and a worker.
#include <windows.h>

#include <algorithm>
#include <cstddef>

namespace zuvediv {

inline bool write_all(HANDLE to, const char* data, size_t size) {
    while (size > 0) {
        DWORD wrote = 0;
        if (!WriteFile(to, data, static_cast<DWORD>(std::min<size_t>(size, 1 << 20)), &wrote, nullptr) || wrote == 0)
            return false;
        data += wrote, size -= wrote;
    }
    return true;
}

inline bool read_exact(HANDLE from, char* buffer, size_t size) {
    while (size > 0) {
        DWORD got = 0;
        if (!ReadFile(from, buffer, static_cast<DWORD>(std::min<size_t>(size, 1 << 20)), &got, nullptr) || got == 0)
            return false;
        buffer += got, size -= got;
    }
    return true;
}

}  // namespace zuvediv
