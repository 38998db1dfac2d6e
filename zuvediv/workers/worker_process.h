#pragma once
// One worker process and the two pipes to it, as the platform makes them:
// on Linux a fork of the coordinator, on Windows this program started again
// as a worker inside a Job object that caps its memory and ends it with the
// coordinator. Both serve the same frames (see worker_loop.h).
#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "workers/worker_end.h"
#include "workers/worker_loop.h"

namespace zuvediv {

struct WorkerStart {
    size_t memory_cap = 0;                   // bytes the worker may allocate; 0: no limit
    const WorkerFactory* factory = nullptr;  // what a forked worker runs; a started one runs its own
};

class WorkerProcess {
public:
    // Null when no process could be started.
    static std::unique_ptr<WorkerProcess> start(const WorkerStart& how);
    ~WorkerProcess();  // ends the worker if it still runs, and waits for it
    WorkerProcess(const WorkerProcess&) = delete;
    WorkerProcess& operator=(const WorkerProcess&) = delete;

    bool send(const std::string& bytes);
    // Appends what the worker wrote; false once it is gone and nothing is left.
    bool receive(std::string& into);
    // Ends the worker (at once when forced, else at the end of its orders),
    // waits for it and says how it ended.
    WorkerEnd stop(bool force);

    // The platform's part, defined in its own file.
    struct Impl;
    explicit WorkerProcess(std::unique_ptr<Impl> impl);
    Impl& impl() { return *impl_; }

private:
    std::unique_ptr<Impl> impl_;
};

// Which workers have something to receive, or are gone, waiting at most `wait`.
std::vector<bool> wait_for_output(const std::vector<WorkerProcess*>& workers, std::chrono::milliseconds wait);

}  // namespace zuvediv
