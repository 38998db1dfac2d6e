#pragma once
// Runs each document in worker processes. Poppler cannot be interrupted,
// and a damaged file may hang or crash it: a document none of whose
// workers tells progress for the time limit is killed and reported as
// skipped, and a crash costs only that document. A long document making
// progress is never cut off. A big document is read in parts by several
// workers (see part_queue.h). Results arrive in completion order; the
// caller restores file order.
//
// A worker shares no memory with the coordinator: everything it needs is
// sent to it, the setup once and an order for each part it reads.
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "documents/document_search.h"
#include "pdf/page_parts.h"
#include "workers/worker_loop.h"

namespace zuvediv {

struct RunnerLimits {
    int workers = 1;
    std::chrono::milliseconds time_limit{60000};
    size_t memory_cap = 0;  // bytes a worker may allocate; 0: no limit
    SplitPlan split{};      // none: one worker per document
};

struct WorkerJob {
    std::string setup;                                      // sent to each worker as it starts
    std::function<std::string(const WorkUnit& part)> order_for;  // what a worker is sent to read a part
    WorkerFactory factory;  // a forked worker's work; a started one makes the same from its own program
};

// Each document's whole result, once.
using DocumentDone = std::function<void(size_t index, DocumentResult result)>;
using ProgressSeen = std::function<void(size_t index, const PageProgress& progress)>;
using MessageSeen = std::function<void(size_t index, std::string_view payload)>;

struct RunnerEvents {
    ProgressSeen progress;       // recognised pages
    MessageSeen message;         // what work sent with send_to_coordinator, in order
    std::function<void()> idle;  // each time the workers have their parts: the coordinator's own work
};

void run_isolated(size_t count, const RunnerLimits& limits, const WorkerJob& job, const DocumentDone& done,
                  const RunnerEvents& events = {});

}  // namespace zuvediv
