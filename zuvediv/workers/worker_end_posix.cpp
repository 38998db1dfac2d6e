#include "workers/worker_end.h"

#include <cerrno>
#include <csignal>

#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>

namespace zuvediv {

WorkerEnd reap_worker(int pid) {
    int status = 0;
    rusage usage{};
    while (::wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR) return {};
    }
    WorkerEnd end;
    end.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    end.peak_bytes = static_cast<size_t>(usage.ru_maxrss) * 1024;  // kilobytes here
    return end;
}

}  // namespace zuvediv
