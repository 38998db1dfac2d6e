#include "workers/worker_loop.h"

#include <chrono>
#include <exception>
#include <new>

#include "common/little_endian.h"
#include "workers/result_wire.h"
#include "workers/standard_error_capture.h"

namespace zuvediv {
namespace {

using Clock = std::chrono::steady_clock;

// Pages of the text layer go by in a millisecond, and the recogniser tells
// each word; passing on each would cost more than it says.
constexpr auto kProgressInterval = std::chrono::milliseconds(200);

// In a worker process: where its frames to the coordinator go, and when the
// last progress frame went.
const WorkerPipes* coordinator = nullptr;
Clock::time_point last_progress;

DocumentResult guarded_work(const DocumentWork& work, const std::string& order) {
    try {
        return work(order);
    } catch (const std::bad_alloc&) {
        return unread(DocumentStatus::out_of_memory);
    } catch (const std::exception& e) {
        return unread(DocumentStatus::internal_error, e.what());
    } catch (...) {
        return unread(DocumentStatus::internal_error);
    }
}

// A library that could not allocate gave up on part of a page, which was
// then not read, however the document's reading ended.
DocumentResult read_part(const DocumentWork& work, const std::string& order) {
    DocumentResult result = guarded_work(work, order);
    const LibraryMessages said = take_library_messages();
    if (said.allocation_failed) return unread(DocumentStatus::out_of_memory);
    result.library_messages += said.lines;
    return result;
}

bool read_frame(const WorkerPipes& pipes, std::string& frame) {
    char length[4];
    if (!pipes.read_exact(length, sizeof length)) return false;
    frame.resize(ReadLittleEndian(length, 4));
    return frame.empty() || pipes.read_exact(&frame[0], frame.size());
}

}  // namespace

void serve_orders(const WorkerPipes& pipes, const WorkerFactory& factory) {
    coordinator = &pipes;
    capture_standard_error();
    std::string setup, order;
    if (!read_frame(pipes, setup)) return;
    const DocumentWork work = factory(setup);
    while (read_frame(pipes, order)) {
        if (!pipes.write(framed_result(read_part(work, order)))) break;
    }
    coordinator = nullptr;
}

void tell_progress(const PageProgress& progress) {
    if (!coordinator) return;
    const Clock::time_point now = Clock::now();
    if (!progress.recognised && now - last_progress < kProgressInterval) return;
    last_progress = now;
    coordinator->write(framed_progress(progress));
}

void send_to_coordinator(const std::string& payload) {
    if (coordinator) coordinator->write(framed_message(payload));
}

}  // namespace zuvediv
