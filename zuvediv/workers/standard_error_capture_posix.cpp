#include "workers/standard_error_capture.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace zuvediv {
namespace {

int capture_fd = -1;

}  // namespace

bool capture_standard_error() {
    std::FILE* file = std::tmpfile();  // removed when the worker ends, however it ends
    if (!file) return false;
    const int fd = ::fileno(file);
    // Appending: once emptied, the next message lands at its start again.
    if (::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_APPEND) != 0 || ::dup2(fd, STDERR_FILENO) < 0) {
        std::fclose(file);
        return false;
    }
    capture_fd = fd;
    return true;
}

LibraryMessages take_library_messages() {
    LibraryMessageScanner scanner;
    if (capture_fd < 0) return scanner.finish();
    char buffer[65536];
    for (off_t at = 0;;) {
        const ssize_t n = ::pread(capture_fd, buffer, sizeof buffer, at);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        scanner.add(std::string_view(buffer, static_cast<size_t>(n)));
        at += n;
    }
    (void)!::ftruncate(capture_fd, 0);
    return scanner.finish();
}

}  // namespace zuvediv
