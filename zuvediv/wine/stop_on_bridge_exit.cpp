#include "wine/stop_on_bridge_exit.h"

#include <cerrno>
#include <csignal>
#include <thread>

#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zuvediv {
namespace {

// Only system calls: the thread must hold no lock when the tool forks a
// worker, and none when it ends everything.
void watch(int fd) {
    char discard[64];
    for (;;) {
        pollfd lifeline{fd, POLLIN, 0};
        if (::poll(&lifeline, 1, -1) < 0 && errno == EINTR) continue;
        const ssize_t n = ::read(fd, discard, sizeof discard);
        if (n > 0 || (n < 0 && (errno == EAGAIN || errno == EINTR))) continue;  // Wine's sockets do not block
        break;
    }
    // Workers are forked into our group, so this ends them with us; the
    // list is written under a temporary name, so no file is left half made.
    ::kill(0, SIGKILL);
}

}  // namespace

void stop_when_bridge_ends(int lifeline_fd) {
    struct stat info {};
    if (::fstat(lifeline_fd, &info) != 0 || !S_ISSOCK(info.st_mode)) return;
    // Our own group, so that ending it spares the Wine processes around us.
    if (::setpgid(0, 0) != 0) return;
    std::thread(watch, lifeline_fd).detach();
}

}  // namespace zuvediv
