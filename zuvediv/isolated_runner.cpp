#include "isolated_runner.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include "result_wire.h"

namespace zuvediv {
namespace {

using Clock = std::chrono::steady_clock;

struct Worker {
    pid_t pid = -1;
    int fd = -1;
    size_t index = 0;
    Clock::time_point deadline;
    std::string received;
};

DocumentResult skipped(std::string reason) {
    DocumentResult result;
    result.status = DocumentStatus::skipped;
    result.reason = std::move(reason);
    return result;
}

DocumentResult guarded_work(const DocumentWork& work, size_t index) {
    try {
        return work(index);
    } catch (const std::exception& e) {
        return skipped(std::string("内部エラー: ") + e.what());
    } catch (...) {
        return skipped("内部エラー");
    }
}

[[noreturn]] void run_child(int fd, const DocumentWork& work, size_t index) {
    const std::string bytes = encode_result(guarded_work(work, index));
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + sent, bytes.size() - sent);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) _exit(3);
        sent += static_cast<size_t>(n);
    }
    // Skip destructors and atexit handlers of the copied parent state.
    _exit(0);
}

bool start(Worker& worker, const DocumentWork& work, const RunnerLimits& limits) {
    int fds[2];
    if (::pipe(fds) != 0) return false;
    ::fcntl(fds[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(fds[1], F_SETFD, FD_CLOEXEC);
    std::fflush(nullptr);  // or buffered console text would be written twice
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        return false;
    }
    if (pid == 0) {
        ::close(fds[0]);
        run_child(fds[1], work, worker.index);
    }
    ::close(fds[1]);
    worker.pid = pid;
    worker.fd = fds[0];
    worker.deadline = Clock::now() + limits.time_limit;
    return true;
}

DocumentResult collect(Worker& worker) {
    ::close(worker.fd);
    int status = 0;
    while (::waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        if (auto result = decode_result(worker.received)) return std::move(*result);
    }
    return skipped("読み取り中に異常終了しました (PDF が壊れている可能性があります)");
}

DocumentResult abandon(Worker& worker, const RunnerLimits& limits) {
    ::kill(worker.pid, SIGKILL);
    ::close(worker.fd);
    while (::waitpid(worker.pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(limits.time_limit).count();
    return skipped("時間切れ (" + std::to_string(seconds) + " 秒以内に終わりませんでした)");
}

// True when the worker has finished writing (end of file on its pipe).
bool drain(Worker& worker) {
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(worker.fd, buffer, sizeof buffer);
        if (n > 0) {
            worker.received.append(buffer, static_cast<size_t>(n));
            return false;
        }
        if (n == 0) return true;
        if (errno == EINTR) continue;
        return errno != EAGAIN;
    }
}

}  // namespace

void run_isolated(size_t count, const RunnerLimits& limits, const DocumentWork& work, const DocumentDone& done) {
    const size_t max_workers = static_cast<size_t>(std::max(1, limits.workers));
    std::vector<Worker> running;
    size_t next = 0;
    while (next < count || !running.empty()) {
        while (running.size() < max_workers && next < count) {
            Worker worker;
            worker.index = next;
            if (!start(worker, work, limits)) {
                if (!running.empty()) break;  // retry once a worker has ended
                done(next, guarded_work(work, next));
                ++next;
                continue;
            }
            running.push_back(std::move(worker));
            ++next;
        }
        if (running.empty()) continue;

        const Clock::time_point now = Clock::now();
        Clock::time_point first_deadline = running.front().deadline;
        std::vector<pollfd> fds;
        for (const Worker& w : running) {
            first_deadline = std::min(first_deadline, w.deadline);
            fds.push_back({w.fd, POLLIN, 0});
        }
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(first_deadline - now).count() + 1;
        const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(std::max<long long>(0, wait)));
        if (ready < 0 && errno != EINTR) break;

        std::vector<Worker> still_running;
        for (size_t i = 0; i < running.size(); ++i) {
            Worker& w = running[i];
            if (ready > 0 && (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) && drain(w)) {
                done(w.index, collect(w));
            } else if (Clock::now() >= w.deadline) {
                done(w.index, abandon(w, limits));
            } else {
                still_running.push_back(std::move(w));
            }
        }
        running.swap(still_running);
    }
}

}  // namespace zuvediv
