#include "workers/worker_loop.h"

#include <chrono>
#include <exception>
#include <new>

#include "common/little_endian.h"
#include "workers/memory_limit.h"
#include "workers/result_wire.h"

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
        return failed_document(kOutOfMemory);
    } catch (const std::exception& e) {
        return failed_document(std::string("内部エラー: ") + e.what());
    } catch (...) {
        return failed_document("内部エラー");
    }
}

bool read_frame(const WorkerPipes& pipes, std::string& frame) {
    char length[4];
    if (!pipes.read_exact(length, sizeof length)) return false;
    frame.resize(ReadLittleEndian(length, 4));
    return frame.empty() || pipes.read_exact(&frame[0], frame.size());
}

}  // namespace

DocumentResult failed_document(std::string reason) {
    DocumentResult result;
    result.status = DocumentStatus::skipped;
    result.reason = std::move(reason);
    return result;
}

void serve_orders(const WorkerPipes& pipes, const WorkerFactory& factory) {
    coordinator = &pipes;
    std::string setup, order;
    if (!read_frame(pipes, setup)) return;
    const DocumentWork work = factory(setup);
    while (read_frame(pipes, order)) {
        if (!pipes.write(framed_result(guarded_work(work, order)))) break;
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
