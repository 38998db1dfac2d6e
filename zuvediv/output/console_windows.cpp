#include "output/console.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/wide_text_windows.h"

namespace zuvediv {
namespace {

// Older consoles refuse one large write; a few thousand characters always pass.
constexpr size_t kConsoleChunk = 8192;

// A console shows Japanese only as UTF-16, whatever its code page.
void write_console(HANDLE console, std::string_view utf8) {
    const std::wstring wide = wide_from_utf8(utf8);
    for (size_t done = 0; done < wide.size();) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min(kConsoleChunk, wide.size() - done));
        if (!WriteConsoleW(console, wide.data() + done, chunk, &written, nullptr) || written == 0) return;
        done += written;
    }
}

// A file or a pipe gets the UTF-8 bytes, as on Linux.
void write_bytes(HANDLE file, std::string_view utf8) {
    for (size_t done = 0; done < utf8.size();) {
        DWORD written = 0;
        if (!WriteFile(file, utf8.data() + done, static_cast<DWORD>(utf8.size() - done), &written, nullptr) || written == 0) return;
        done += written;
    }
}

void write_to(DWORD which, std::string_view utf8) {
    const HANDLE handle = GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) write_console(handle, utf8);
    else write_bytes(handle, utf8);
}

}  // namespace

void write_out(std::string_view utf8) { write_to(STD_OUTPUT_HANDLE, utf8); }
void write_err(std::string_view utf8) { write_to(STD_ERROR_HANDLE, utf8); }

}  // namespace zuvediv
