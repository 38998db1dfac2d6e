#pragma once
// Runs each document in its own worker process. Poppler cannot be
// interrupted, and a damaged file may hang or crash it: a worker that
// overruns its time is killed and its document reported as skipped, and a
// crash costs only that document. Results arrive in completion order; the
// caller restores file order.
#include <chrono>
#include <cstddef>
#include <functional>

#include "documents/document_search.h"

namespace zuvediv {

struct RunnerLimits {
    int workers = 1;
    std::chrono::milliseconds time_limit{60000};
    size_t memory_cap = 0;  // bytes a worker may allocate; 0: no limit
};

using DocumentWork = std::function<DocumentResult(size_t index)>;
using DocumentDone = std::function<void(size_t index, DocumentResult result)>;

void run_isolated(size_t count, const RunnerLimits& limits, const DocumentWork& work, const DocumentDone& done);

}  // namespace zuvediv
