#include "workers/isolated_runner.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/types.h>
#include <unistd.h>

#include "common/little_endian.h"
#include "workers/allocator_tuning.h"
#include "workers/memory_limit.h"
#include "workers/part_queue.h"
#include "workers/result_wire.h"
#include "workers/standard_error_capture.h"
#include "workers/worker_end.h"

namespace zuvediv {
namespace {

using Clock = std::chrono::steady_clock;

// Pages of the text layer go by in a millisecond, and the recogniser tells
// each word; passing on each would cost more than it says.
constexpr auto kProgressInterval = std::chrono::milliseconds(200);

// In a worker process: where its frames to the coordinator go, and when the
// last progress frame went.
int coordinator_fd = -1;
Clock::time_point last_progress;

// A worker process lives for many documents: starting one per document
// cost a fifth of the search time in page faults and exits.
struct Worker {
    pid_t pid = -1;
    int command_fd = -1;  // parent writes the parts to read
    int result_fd = -1;   // worker writes length-prefixed results
    bool busy = false;
    WorkUnit unit;
    std::string received;
};

DocumentResult guarded_work(const DocumentWork& work, const WorkUnit& unit) {
    try {
        return work(unit);
    } catch (const std::bad_alloc&) {
        return unread(DocumentStatus::out_of_memory);
    } catch (const std::exception& e) {
        return unread(DocumentStatus::internal_error, e.what());
    } catch (...) {
        return unread(DocumentStatus::internal_error);
    }
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

constexpr size_t kCommandBytes = 12;

std::string command_for(const WorkUnit& unit) {
    std::string command;
    AppendLittleEndian32(command, static_cast<uint32_t>(unit.document));
    AppendLittleEndian32(command, static_cast<uint32_t>(unit.first_page));
    AppendLittleEndian32(command, static_cast<uint32_t>(unit.end_page));
    return command;
}

WorkUnit unit_of(const char* command) {
    return WorkUnit{ReadLittleEndian(command, 4), static_cast<int>(ReadLittleEndian(command + 4, 4)),
                    static_cast<int>(ReadLittleEndian(command + 8, 4))};
}

// A library that could not allocate gave up on part of a page, which was
// then not read, however the document's reading ended.
DocumentResult read_part(const DocumentWork& work, const WorkUnit& unit) {
    DocumentResult result = guarded_work(work, unit);
    const LibraryMessages said = take_library_messages();
    if (said.allocation_failed) return unread(DocumentStatus::out_of_memory);
    result.library_messages += said.lines;
    return result;
}

[[noreturn]] void worker_loop(int command_fd, int result_fd, const DocumentWork& work) {
    coordinator_fd = result_fd;
    capture_standard_error();
    char command[kCommandBytes];
    while (read_exact(command_fd, command, sizeof command)) {
        if (!write_all(result_fd, framed_result(read_part(work, unit_of(command))))) break;
    }
    // Skip destructors and atexit handlers of the copied parent state.
    _exit(0);
}

void close_fd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

bool spawn(Worker& worker, std::vector<Worker>& all, const DocumentWork& work, size_t memory_cap) {
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
        keep_freed_memory();
        limit_worker_memory(memory_cap, result[1]);
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

WorkerEnd retire(Worker& worker, bool force) {
    if (worker.pid < 0) return {};
    if (force) ::kill(worker.pid, SIGKILL);  // a worker already gone keeps the end it had
    close_fd(worker.command_fd);
    close_fd(worker.result_fd);
    const WorkerEnd end = reap_worker(worker.pid);
    worker.pid = -1;
    worker.busy = false;
    return end;
}

// Appends what the worker sent. Returns false when the worker is gone.
bool receive(Worker& worker) {
    char buffer[65536];
    ssize_t n;
    do {
        n = ::read(worker.result_fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) return false;
    worker.received.append(buffer, static_cast<size_t>(n));
    return true;
}

// The next whole frame the worker sent, if there is one.
std::optional<std::string> take_frame(Worker& worker) {
    if (worker.received.size() < 4) return std::nullopt;
    const size_t length = ReadLittleEndian(worker.received.data(), 4);
    if (worker.received.size() < 4 + length) return std::nullopt;
    std::string frame = worker.received.substr(4, length);
    worker.received.erase(0, 4 + length);
    return frame;
}

DocumentResult timed_out(const RunnerLimits& limits) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(limits.time_limit).count();
    return unread(DocumentStatus::timed_out, std::to_string(seconds));
}

class WorkerPool {
public:
    WorkerPool(size_t count, const RunnerLimits& limits, const DocumentWork& work, const DocumentDone& done,
               const RunnerEvents& events)
        : limits_(limits), work_(work), done_(done), events_(events), queue_(count, limits.time_limit, limits.split),
          workers_(static_cast<size_t>(std::max(1, limits.workers))) {}
    ~WorkerPool() {
        for (Worker& w : workers_) retire(w, false);
    }

    void run() {
        for (;;) {
            hand_out_parts();
            if (events_.idle) events_.idle();
            if (!wait_for_results()) break;
        }
    }

private:
    void hand_out_parts() {
        for (Worker& w : workers_) {
            if (w.busy) continue;
            const std::optional<WorkUnit> unit = queue_.next(Clock::now());
            if (!unit) return;
            // Never read a document here: the coordinator has no limits.
            if (w.pid < 0 && !spawn(w, workers_, work_, limits_.memory_cap)) {
                deliver(*unit, unread(DocumentStatus::no_worker));
                continue;
            }
            w.unit = *unit;
            w.busy = true;
            if (!write_all(w.command_fd, command_for(*unit))) lost(w);
        }
    }

    // Waits for a result or the first deadline; false when all is done.
    bool wait_for_results() {
        std::vector<Worker*> busy;
        std::vector<pollfd> fds;
        Clock::time_point first_deadline = Clock::time_point::max();
        for (Worker& w : workers_) {
            if (!w.busy) continue;
            busy.push_back(&w);
            fds.push_back({w.result_fd, POLLIN, 0});
            first_deadline = std::min(first_deadline, queue_.deadline(w.unit));
        }
        if (busy.empty()) return queue_.has_ready();
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(first_deadline - Clock::now()).count() + 1;
        const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(std::clamp<long long>(wait, 0, 60000)));
        if (ready < 0 && errno != EINTR) return false;
        for (size_t i = 0; i < busy.size(); ++i) {
            Worker& w = *busy[i];
            if (!w.busy) continue;  // stopped when its document failed
            if (ready > 0 && (fds[i].revents & (POLLIN | POLLHUP | POLLERR))) take_frames(w);
            // poppler cannot be interrupted any other way
            if (w.busy && Clock::now() >= queue_.deadline(w.unit)) give_up(w, timed_out(limits_));
        }
        return true;
    }

    void take_frames(Worker& w) {
        if (!receive(w)) return lost(w);
        while (w.busy) {
            const std::optional<std::string> frame = take_frame(w);
            if (!frame) return;
            queue_.progressed(w.unit.document, Clock::now());
            if (const std::optional<PageProgress> page = decode_progress(*frame)) {
                if (events_.progress && page->recognised) events_.progress(w.unit.document, *page);
                continue;
            }
            if (const std::optional<std::string_view> message = decode_message(*frame)) {
                if (events_.message) events_.message(w.unit.document, *message);
                continue;
            }
            std::optional<DocumentResult> decoded = decode_result(*frame);
            DocumentResult result = decoded ? std::move(*decoded) : unread(DocumentStatus::internal_error, "結果が壊れています");
            w.busy = false;
            const WorkUnit unit = w.unit;
            if (result.status == DocumentStatus::out_of_memory) retire(w, true);  // its heap is the document's
            deliver(unit, std::move(result));
        }
    }

    // Gone without its result: crashed, or killed by the kernel for want of memory.
    void lost(Worker& w) {
        const WorkUnit unit = w.unit;
        const WorkerEnd end = retire(w, true);
        const bool memory = ran_out_of_memory(end, limits_.memory_cap);
        deliver(unit, unread(memory ? DocumentStatus::out_of_memory : DocumentStatus::crashed));
    }

    void give_up(Worker& w, DocumentResult failure) {
        const WorkUnit unit = w.unit;
        retire(w, true);
        deliver(unit, std::move(failure));
    }

    void deliver(const WorkUnit& unit, DocumentResult result) {
        std::optional<DocumentResult> whole = queue_.part_done(unit, std::move(result));
        if (!whole) return;
        done_(unit.document, std::move(*whole));
        // Parts of a failed document still being read.
        for (Worker& w : workers_) {
            if (w.busy && w.unit.document == unit.document) retire(w, true);
        }
    }

    const RunnerLimits& limits_;
    const DocumentWork& work_;
    const DocumentDone& done_;
    const RunnerEvents& events_;
    PartQueue queue_;
    std::vector<Worker> workers_;
};

}  // namespace

void tell_progress(const PageProgress& progress) {
    if (coordinator_fd < 0) return;
    const Clock::time_point now = Clock::now();
    if (!progress.recognised && now - last_progress < kProgressInterval) return;
    last_progress = now;
    write_all(coordinator_fd, framed_progress(progress));
}

void send_to_coordinator(const std::string& payload) {
    if (coordinator_fd >= 0) write_all(coordinator_fd, framed_message(payload));
}

void run_isolated(size_t count, const RunnerLimits& limits, const DocumentWork& work, const DocumentDone& done,
                  const RunnerEvents& events) {
    // A worker that died makes writes to its pipe fail instead of killing us.
    struct sigaction ignore {}, previous {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, &previous);
    WorkerPool(count, limits, work, done, events).run();
    ::sigaction(SIGPIPE, &previous, nullptr);
}

}  // namespace zuvediv
