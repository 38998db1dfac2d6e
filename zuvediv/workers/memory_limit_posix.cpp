#include "workers/memory_limit_posix.h"

#include <cerrno>
#include <csignal>
#include <fstream>
#include <string>

#include <sys/resource.h>
#include <unistd.h>

#include "workers/memory_limit.h"
#include "workers/result_wire.h"

namespace zuvediv {

namespace {

// Written by the crash handler; prepared before, as a handler may not allocate.
std::string out_of_memory_message;
int out_of_memory_fd = -1;

// What the worker already has: the parent's heap, and under the address
// sanitizer its shadow, which alone exceeds any sensible cap.
size_t data_segment_bytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    size_t kilobytes = 0;
    while (status >> key) {
        if (key == "VmData:" && status >> kilobytes) return kilobytes * 1024;
        status.ignore(4096, '\n');
    }
    return 0;
}

// Poppler aborts when an allocation fails, and code that does not check
// crashes on the null pointer; errno still says why.
void on_crash(int signal) {
    if (errno == ENOMEM && out_of_memory_fd >= 0) {
        (void)!::write(out_of_memory_fd, out_of_memory_message.data(), out_of_memory_message.size());
        _exit(1);
    }
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

size_t physical_memory_bytes() {
    const long pages = ::sysconf(_SC_PHYS_PAGES), page_size = ::sysconf(_SC_PAGESIZE);
    return pages > 0 && page_size > 0 ? static_cast<size_t>(pages) * static_cast<size_t>(page_size) : 0;
}

void limit_worker_memory(size_t cap, int result_fd) {
    if (cap == 0) return;
    // RLIMIT_DATA counts the heap and private writable mappings, which is
    // what a bomb fills; RLIMIT_AS would also count mapped fonts and
    // libraries, and the sanitizer's address reservations.
    const rlim_t limit = data_segment_bytes() + cap;
    const rlimit data{limit, limit};
    ::setrlimit(RLIMIT_DATA, &data);
    out_of_memory_message = framed_result(unread(DocumentStatus::out_of_memory));
    out_of_memory_fd = result_fd;
    for (int signal : {SIGABRT, SIGSEGV, SIGBUS}) std::signal(signal, on_crash);
}

}  // namespace zuvediv
