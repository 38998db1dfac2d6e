#include "workers/isolated_runner.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/little_endian.h"
#include "workers/memory_limit.h"
#include "workers/part_queue.h"
#include "workers/result_wire.h"
#include "workers/wire_codec.h"
#include "workers/worker_process.h"

namespace zuvediv {
namespace {

using Clock = std::chrono::steady_clock;

// A worker process lives for many documents: starting one per document
// cost a fifth of the search time in page faults and exits.
struct Worker {
    std::unique_ptr<WorkerProcess> process;
    bool busy = false;
    WorkUnit unit;
    std::string received;
};

WorkerEnd retire(Worker& worker, bool force) {
    WorkerEnd end;
    if (worker.process) end = worker.process->stop(force);
    worker.process.reset();
    worker.busy = false;
    worker.received.clear();
    return end;
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
    WorkerPool(size_t count, const RunnerLimits& limits, const WorkerJob& job, const DocumentDone& done,
               const RunnerEvents& events)
        : limits_(limits), job_(job), done_(done), events_(events), queue_(count, limits.time_limit, limits.split),
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
            if (!w.process && !start(w)) {
                deliver(*unit, unread(DocumentStatus::no_worker));
                continue;
            }
            w.unit = *unit;
            w.busy = true;
            if (!w.process->send(framed(job_.order_for(*unit)))) lost(w);
        }
    }

    // Waits for a result or the first deadline; false when all is done.
    bool wait_for_results() {
        std::vector<Worker*> busy;
        std::vector<WorkerProcess*> processes;
        Clock::time_point first_deadline = Clock::time_point::max();
        for (Worker& w : workers_) {
            if (!w.busy) continue;
            busy.push_back(&w);
            processes.push_back(w.process.get());
            first_deadline = std::min(first_deadline, queue_.deadline(w.unit));
        }
        if (busy.empty()) return queue_.has_ready();
        const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(first_deadline - Clock::now()).count() + 1;
        const std::vector<bool> ready = wait_for_output(processes, std::chrono::milliseconds(std::clamp<long long>(wait, 0, 60000)));
        for (size_t i = 0; i < busy.size(); ++i) {
            Worker& w = *busy[i];
            if (!w.busy) continue;  // stopped when its document failed
            if (ready[i]) take_frames(w);
            // poppler cannot be interrupted any other way
            if (w.busy && Clock::now() >= queue_.deadline(w.unit)) give_up(w, timed_out(limits_));
        }
        return true;
    }

    void take_frames(Worker& w) {
        if (!w.process->receive(w.received)) return lost(w);
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

    // Gone without its result: crashed, or killed by the system for want of memory.
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

    bool start(Worker& w) {
        WorkerStart how;
        how.memory_cap = limits_.memory_cap;
        how.factory = &job_.factory;
        w.process = WorkerProcess::start(how);
        w.received.clear();
        if (w.process && w.process->send(framed(job_.setup))) return true;
        w.process.reset();
        return false;
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
    const WorkerJob& job_;
    const DocumentDone& done_;
    const RunnerEvents& events_;
    PartQueue queue_;
    std::vector<Worker> workers_;
};

}  // namespace

void run_isolated(size_t count, const RunnerLimits& limits, const WorkerJob& job, const DocumentDone& done,
                  const RunnerEvents& events) {
    WorkerPool(count, limits, job, done, events).run();
}

}  // namespace zuvediv
