#include "workers/worker_process.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <set>

#include <malloc.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "workers/memory_limit.h"
#include "workers/memory_limit_posix.h"

namespace zuvediv {
namespace {

// The coordinator's ends of every worker's pipes: a new worker closes them,
// or they would hide the other workers' ends of file from the coordinator.
std::set<int>& coordinator_ends() {
    static std::set<int> ends;
    return ends;
}

bool write_all(int fd, const char* data, size_t size) {
    size_t sent = 0;
    while (sent < size) {
        const ssize_t n = ::write(fd, data + sent, size - sent);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

bool read_exact(int fd, char* buffer, size_t size) {
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, buffer + got, size - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<size_t>(n);
    }
    return true;
}

// Every page builds and frees text and box buffers of a few hundred KiB.
// By default glibc serves those from fresh mappings or trims them off the
// heap again, and their pages fault back in on the next page: on 2,000
// pages, 6,600 faults, and 18,500 with the page cache's writes in between.
// Setting both values fixes them (no dynamic adjustment): 2,100 and 3,300.
void keep_freed_memory() {
    mallopt(M_MMAP_THRESHOLD, 32 << 20);  // the largest glibc accepts
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

[[noreturn]] void become_worker(int order_fd, int result_fd, const WorkerStart& how) {
    for (int fd : coordinator_ends()) ::close(fd);
    keep_freed_memory();
    limit_worker_memory(how.memory_cap, result_fd);
    const WorkerPipes pipes{[order_fd](char* buffer, size_t size) { return read_exact(order_fd, buffer, size); },
                            [result_fd](const std::string& bytes) { return write_all(result_fd, bytes.data(), bytes.size()); }};
    serve_orders(pipes, *how.factory);
    // Skip destructors and atexit handlers of the copied parent state.
    _exit(0);
}

}  // namespace

struct WorkerProcess::Impl {
    pid_t pid = -1;
    int order_fd = -1;   // the coordinator writes orders
    int result_fd = -1;  // the worker writes frames

    ~Impl() { stop(false); }

    WorkerEnd stop(bool force) {
        if (force && pid > 0) ::kill(pid, SIGKILL);  // a worker already gone keeps the end it had
        for (int* fd : {&order_fd, &result_fd}) {
            if (*fd < 0) continue;
            coordinator_ends().erase(*fd);
            ::close(*fd);
            *fd = -1;
        }
        if (pid <= 0) return {};
        int status = 0;
        rusage usage{};
        while (::wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
        }
        pid = -1;
        WorkerEnd end;
        end.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
        end.peak_bytes = static_cast<size_t>(usage.ru_maxrss) * 1024;  // kilobytes here
        return end;
    }
};

WorkerProcess::WorkerProcess(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
WorkerProcess::~WorkerProcess() = default;

std::unique_ptr<WorkerProcess> WorkerProcess::start(const WorkerStart& how) {
    int orders[2], results[2];
    if (::pipe(orders) != 0) return nullptr;
    if (::pipe(results) != 0) {
        ::close(orders[0]);
        ::close(orders[1]);
        return nullptr;
    }
    std::fflush(nullptr);  // or buffered console text would be written twice
    const pid_t pid = ::fork();
    if (pid < 0) {
        for (int fd : {orders[0], orders[1], results[0], results[1]}) ::close(fd);
        return nullptr;
    }
    if (pid == 0) {
        ::close(orders[1]);
        ::close(results[0]);
        become_worker(orders[0], results[1], how);
    }
    ::close(orders[0]);
    ::close(results[1]);
    auto impl = std::make_unique<Impl>();
    impl->pid = pid;
    impl->order_fd = orders[1];
    impl->result_fd = results[0];
    coordinator_ends().insert({orders[1], results[0]});
    return std::make_unique<WorkerProcess>(std::move(impl));
}

bool WorkerProcess::send(const std::string& bytes) {
    // A worker that died makes writes to its pipe fail instead of killing us.
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);
    const bool sent = write_all(impl_->order_fd, bytes.data(), bytes.size());
    ::sigaction(SIGPIPE, &previous, nullptr);
    return sent;
}

bool WorkerProcess::receive(std::string& into) {
    char buffer[65536];
    ssize_t n;
    do {
        n = ::read(impl_->result_fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) return false;
    into.append(buffer, static_cast<size_t>(n));
    return true;
}

WorkerEnd WorkerProcess::stop(bool force) { return impl_->stop(force); }

std::vector<bool> wait_for_output(const std::vector<WorkerProcess*>& workers, std::chrono::milliseconds wait) {
    std::vector<pollfd> fds;
    for (WorkerProcess* worker : workers) fds.push_back({worker->impl().result_fd, POLLIN, 0});
    std::vector<bool> ready(workers.size(), false);
    if (::poll(fds.data(), fds.size(), static_cast<int>(wait.count())) <= 0) return ready;
    for (size_t i = 0; i < fds.size(); ++i) ready[i] = (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) != 0;
    return ready;
}

}  // namespace zuvediv
