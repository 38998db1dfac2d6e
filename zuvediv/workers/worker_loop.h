#pragma once
// What a worker process does, on either platform: it reads its setup, then
// one order after another, and answers each with the document's result,
// sending progress and messages before it. Frames are length-prefixed.
#include <cstddef>
#include <functional>
#include <string>

#include "documents/document_search.h"

namespace zuvediv {

// Reads one order (as the coordinator wrote it) in a worker.
using DocumentWork = std::function<DocumentResult(const std::string& order)>;
// Makes a worker's work from the setup every worker is sent first.
using WorkerFactory = std::function<DocumentWork(const std::string& setup)>;

// The worker's two ends; each call is false once its pipe is closed.
struct WorkerPipes {
    std::function<bool(char* buffer, size_t size)> read_exact;
    std::function<bool(const std::string& bytes)> write;
};

// Serves orders until the coordinator closes its end.
void serve_orders(const WorkerPipes& pipes, const WorkerFactory& factory);

// For work in a worker: reaches the coordinator before the order's result.
void send_to_coordinator(const std::string& payload);
// For work in a worker, as it goes: restarts the document's time limit and,
// for recognised pages, reaches the coordinator's progress event.
void tell_progress(const PageProgress& progress);

}  // namespace zuvediv
