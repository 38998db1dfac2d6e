#pragma once
// Runs each document in worker processes. Poppler cannot be interrupted,
// and a damaged file may hang or crash it: a document none of whose
// workers tells progress for the time limit is killed and reported as
// skipped, and a crash costs only that document. A long document making
// progress is never cut off. A big document is read in parts by several
// workers (see part_queue.h). Results arrive in completion order; the
// caller restores file order.
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "documents/document_search.h"
#include "documents/page_parts.h"
#include "workers/result_wire.h"

namespace zuvediv {

struct RunnerLimits {
    int workers = 1;
    std::chrono::milliseconds time_limit{60000};
    size_t memory_cap = 0;  // bytes a worker may allocate; 0: no limit
    SplitPlan split{};      // none: one worker per document
};

// Reads a part of a document in a worker, as the plan splits it.
using DocumentWork = std::function<DocumentResult(const WorkUnit& part)>;
// Each document's whole result, once.
using DocumentDone = std::function<void(size_t index, DocumentResult result)>;
using ProgressSeen = std::function<void(size_t index, const PageProgress& progress)>;
using MessageSeen = std::function<void(size_t index, std::string_view payload)>;

struct RunnerEvents {
    ProgressSeen progress;       // recognised pages
    MessageSeen message;         // what work sent with send_to_coordinator, in order
    std::function<void()> idle;  // each time the workers have their parts: the coordinator's own work
};

void run_isolated(size_t count, const RunnerLimits& limits, const DocumentWork& work, const DocumentDone& done,
                  const RunnerEvents& events = {});

// For work in a worker, as it goes: restarts the document's time limit and,
// for recognised pages, reaches ProgressSeen. Does nothing elsewhere.
void tell_progress(const PageProgress& progress);
// For work in a worker: reaches MessageSeen before the part's result does.
void send_to_coordinator(const std::string& payload);

}  // namespace zuvediv
