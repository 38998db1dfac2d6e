#include "workers/standard_error_capture.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdint>

namespace zuvediv {
namespace {

HANDLE capture = INVALID_HANDLE_VALUE;  // read back after each document

HANDLE delete_on_close_file() {
    wchar_t folder[MAX_PATH + 1], name[MAX_PATH + 1];
    if (!GetTempPathW(MAX_PATH + 1, folder) || !GetTempFileNameW(folder, L"zuv", 0, name)) return INVALID_HANDLE_VALUE;
    // Gone when the worker ends, however it ends.
    return CreateFileW(name, GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                       nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
}

}  // namespace

bool capture_standard_error() {
    const HANDLE file = delete_on_close_file();
    HANDLE writer = nullptr;
    if (file == INVALID_HANDLE_VALUE) return false;
    if (!DuplicateHandle(GetCurrentProcess(), file, GetCurrentProcess(), &writer, 0, FALSE, DUPLICATE_SAME_ACCESS)) {
        CloseHandle(file);
        return false;
    }
    // Appending: once emptied, the next message lands at its start again.
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(writer), _O_APPEND | _O_BINARY);
    if (fd < 0 || _dup2(fd, 2) != 0) {
        CloseHandle(file);
        return false;
    }
    SetStdHandle(STD_ERROR_HANDLE, writer);
    capture = file;
    return true;
}

LibraryMessages take_library_messages() {
    LibraryMessageScanner scanner;
    if (capture == INVALID_HANDLE_VALUE) return scanner.finish();
    LARGE_INTEGER start{};
    SetFilePointerEx(capture, start, nullptr, FILE_BEGIN);
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(capture, buffer, sizeof buffer, &got, nullptr) && got > 0) scanner.add(std::string_view(buffer, got));
    SetFilePointerEx(capture, start, nullptr, FILE_BEGIN);
    SetEndOfFile(capture);
    return scanner.finish();
}

}  // namespace zuvediv
