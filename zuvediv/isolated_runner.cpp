#include "isolated_runner.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
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

// A worker process lives for many documents: starting one per document
// cost a fifth of the search time in page faults and exits.
struct Worker {
    pid_t pid = -1;
    int command_fd = -1;  // parent writes document indexes
    int result_fd = -1;   // worker writes length-prefixed results
    bool busy = false;
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

void put_u32(std::string& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

uint32_t get_u32(const char* p) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(p[i])) << (8 * i);
    return v;
}

bool write_all(int fd, const std::string& bytes) {
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + sent, bytes.size() - sent);
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

[[noreturn]] void worker_loop(int command_fd, int result_fd, const DocumentWork& work) {
    char command[4];
    while (read_exact(command_fd, command, sizeof command)) {
        const std::string payload = encode_result(guarded_work(work, get_u32(command)));
        std::string message;
        put_u32(message, static_cast<uint32_t>(payload.size()));
        if (!write_all(result_fd, message + payload)) break;
    }
    // Skip destructors and atexit handlers of the copied parent state.
    _exit(0);
}

void close_fd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

bool spawn(Worker& worker, std::vector<Worker>& all, const DocumentWork& work) {
    int command[2], result[2];
    if (::pipe(command) != 0) return false;
    if (::pipe(result) != 0) {
        ::close(command[0]);
        ::close(command[1]);
        return false;
    }
    std::fflush(nullptr);  // or buffered console text would be written twice
    const pid_t pid = ::fork();
    if (pid < 0) {
        for (int fd : {command[0], command[1], result[0], result[1]}) ::close(fd);
        return false;
    }
    if (pid == 0) {
        // Other workers' pipes would hide their ends of file from the parent.
        for (Worker& other : all) {
            close_fd(other.command_fd);
            close_fd(other.result_fd);
        }
        ::close(command[1]);
        ::close(result[0]);
        worker_loop(command[0], result[1], work);
    }
    ::close(command[0]);
    ::close(result[1]);
    worker.pid = pid;
    worker.command_fd = command[1];
    worker.result_fd = result[0];
    worker.busy = false;
    worker.received.clear();
    return true;
}

void retire(Worker& worker, bool force) {
    if (worker.pid < 0) return;
    if (force) ::kill(worker.pid, SIGKILL);
    close_fd(worker.command_fd);
    close_fd(worker.result_fd);
    while (::waitpid(worker.pid, nullptr, 0) < 0 && errno == EINTR) {
    }
    worker.pid = -1;
    worker.busy = false;
}

// Reads what the worker sent. Returns false when the worker is gone.
bool receive(Worker& worker, const DocumentDone& done) {
    char buffer[65536];
    ssize_t n;
    do {
        n = ::read(worker.result_fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) return false;
    worker.received.append(buffer, static_cast<size_t>(n));
    if (worker.received.size() >= 4) {
        const size_t length = get_u32(worker.received.data());
        if (worker.received.size() >= 4 + length) {
            auto result = decode_result(worker.received.substr(4, length));
            worker.received.erase(0, 4 + length);
            worker.busy = false;
            done(worker.index, result ? std::move(*result) : skipped("内部エラー (結果が壊れています)"));
        }
    }
    return true;
}

std::string timeout_reason(const RunnerLimits& limits) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(limits.time_limit).count();
    return "時間切れ (" + std::to_string(seconds) + " 秒以内に終わりませんでした)";
}

}  // namespace

void run_isolated(size_t count, const RunnerLimits& limits, const DocumentWork& work, const DocumentDone& done) {
    // A worker that died makes writes to its pipe fail instead of killing us.
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);

    std::vector<Worker> workers(std::min(count, static_cast<size_t>(std::max(1, limits.workers))));
    size_t next = 0;
    for (;;) {
        for (Worker& w : workers) {
            if (w.busy || next >= count) continue;
            if (w.pid < 0 && !spawn(w, workers, work)) {
                done(next, guarded_work(work, next));  // no process to spare: run here
                ++next;
                continue;
            }
            std::string command;
            put_u32(command, static_cast<uint32_t>(next));
            w.index = next++;
            w.busy = true;
            w.deadline = Clock::now() + limits.time_limit;
            if (!write_all(w.command_fd, command)) {
                retire(w, true);
                done(w.index, skipped("読み取り中に異常終了しました (PDF が壊れている可能性があります)"));
            }
        }

        std::vector<Worker*> busy;
        std::vector<pollfd> fds;
        Clock::time_point first_deadline = Clock::time_point::max();
        for (Worker& w : workers) {
            if (!w.busy) continue;
            busy.push_back(&w);
            fds.push_back({w.result_fd, POLLIN, 0});
            first_deadline = std::min(first_deadline, w.deadline);
        }
        if (busy.empty()) {
            if (next >= count) break;
            continue;
        }
        const auto wait =
            std::chrono::duration_cast<std::chrono::milliseconds>(first_deadline - Clock::now()).count() + 1;
        const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(std::clamp<long long>(wait, 0, 60000)));
        if (ready < 0 && errno != EINTR) break;

        for (size_t i = 0; i < busy.size(); ++i) {
            Worker& w = *busy[i];
            if (ready > 0 && (fds[i].revents & (POLLIN | POLLHUP | POLLERR))) {
                if (!receive(w, done)) {
                    const size_t index = w.index;
                    retire(w, true);
                    done(index, skipped("読み取り中に異常終了しました (PDF が壊れている可能性があります)"));
                    continue;
                }
            }
            if (w.busy && Clock::now() >= w.deadline) {
                const size_t index = w.index;
                retire(w, true);  // poppler cannot be interrupted any other way
                done(index, skipped(timeout_reason(limits)));
            }
        }
    }
    for (Worker& w : workers) retire(w, false);
    ::sigaction(SIGPIPE, &previous, nullptr);
}

}  // namespace zuvediv
