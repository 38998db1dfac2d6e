#include "workers/worker_process.h"

#include <windows.h>

#include <cerrno>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <mutex>
#include <thread>

#include "workers/memory_limit.h"
#include "workers/pipe_io_windows.h"
#include "workers/result_wire.h"
#include "workers/worker_entry.h"
#include "workers/worker_job_windows.h"

namespace zuvediv {
namespace {

// Anonymous pipes cannot be waited on together, so a thread per worker reads
// its pipe and posts what arrives here, where the coordinator waits.
std::mutex board_mutex;
std::condition_variable board_changed;

// Held from a worker's start until it is in the Job, and by end_all_workers().
std::mutex starting_mutex;
bool workers_ended = false;  // under starting_mutex

// Every worker is in this Job: its memory is capped per process, and the
// workers end when the coordinator does, however it ends (the last handle
// to the Job closes with it).
HANDLE the_job() {
    static HANDLE job = CreateJobObjectW(nullptr, nullptr);
    return job;
}

HANDLE worker_job(size_t memory_cap) {
    HANDLE job = the_job();
    if (!job) return nullptr;
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    if (memory_cap > 0) {
        limits.BasicLimitInformation.LimitFlags |= JOB_OBJECT_LIMIT_PROCESS_MEMORY;
        limits.ProcessMemoryLimit = memory_cap;
    }
    SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

std::wstring this_program() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size())));
    return path;
}

HANDLE inheritable(HANDLE handle) {
    SetHandleInformation(handle, HANDLE_FLAG_INHERIT, HANDLE_FLAG_INHERIT);
    return handle;
}

// What the libraries print on their own never reaches the user's console.
HANDLE null_device() {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    return CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
}

void close_handle(HANDLE& handle) {
    if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    handle = nullptr;
}

// In a worker: its end of the pipe to the coordinator.

HANDLE to_coordinator = nullptr;
// Written by the abort handler; prepared before, as a handler may not allocate.
std::string out_of_memory_frame;

// Poppler aborts when an allocation fails (the Job's cap); errno still
// says why, and the document is then reported as out of memory.
void on_abort(int) {
    if (errno == ENOMEM) write_all(to_coordinator, out_of_memory_frame.data(), out_of_memory_frame.size());
    _exit(1);
}

// A crash ends the worker at once: no error dialog, no debugger waiting.
LONG WINAPI end_quietly(EXCEPTION_POINTERS*) { return EXCEPTION_EXECUTE_HANDLER; }

}  // namespace

struct WorkerProcess::Impl {
    HANDLE process = nullptr;
    HANDLE order_pipe = nullptr;   // the coordinator writes orders
    HANDLE result_pipe = nullptr;  // the worker writes frames
    std::thread reader;
    std::string pending;  // under board_mutex
    bool gone = false;    // under board_mutex

    void read_results() {
        char buffer[65536];
        DWORD got = 0;
        while (ReadFile(result_pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) {
            const std::lock_guard<std::mutex> lock(board_mutex);
            pending.append(buffer, got);
            board_changed.notify_all();
        }
        const std::lock_guard<std::mutex> lock(board_mutex);
        gone = true;
        board_changed.notify_all();
    }

    ~Impl() { stop(false); }

    void stop(bool force) {
        if (force && process) TerminateProcess(process, 1);
        close_handle(order_pipe);  // an idle worker ends at the end of its orders
        if (process) WaitForSingleObject(process, INFINITE);
        if (reader.joinable()) reader.join();
        close_handle(result_pipe);
        close_handle(process);
    }
};

WorkerProcess::WorkerProcess(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
WorkerProcess::~WorkerProcess() = default;

std::unique_ptr<WorkerProcess> WorkerProcess::start(const WorkerStart& how) {
    const std::lock_guard<std::mutex> starting(starting_mutex);
    if (workers_ended) return nullptr;
    HANDLE job = worker_job(how.memory_cap);
    HANDLE order_read = nullptr, order_write = nullptr, result_read = nullptr, result_write = nullptr;
    if (!CreatePipe(&order_read, &order_write, nullptr, 0)) return nullptr;
    if (!CreatePipe(&result_read, &result_write, nullptr, 0)) {
        close_handle(order_read), close_handle(order_write);
        return nullptr;
    }
    HANDLE error_sink = null_device();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inheritable(order_read);
    startup.hStdOutput = inheritable(result_write);
    startup.hStdError = error_sink;
    const std::wstring program = this_program();
    std::wstring command = L"\"" + program + L"\" " + kWorkerArgument;
    PROCESS_INFORMATION started{};
    // Detached: console signals are the coordinator's to answer. A worker
    // on the console would end itself on Ctrl+C, racing the Job that ends it.
    const bool ok = CreateProcessW(program.c_str(), &command[0], nullptr, nullptr, TRUE, CREATE_SUSPENDED | DETACHED_PROCESS,
                                   nullptr, nullptr, &startup, &started);
    close_handle(order_read), close_handle(result_write), close_handle(error_sink);
    if (!ok) {
        close_handle(order_write), close_handle(result_read);
        return nullptr;
    }
    if (job) AssignProcessToJobObject(job, started.hProcess);
    ResumeThread(started.hThread);
    CloseHandle(started.hThread);
    auto impl = std::make_unique<Impl>();
    impl->process = started.hProcess;
    impl->order_pipe = order_write;
    impl->result_pipe = result_read;
    Impl* reading = impl.get();
    impl->reader = std::thread([reading] { reading->read_results(); });
    return std::make_unique<WorkerProcess>(std::move(impl));
}

bool WorkerProcess::send(const std::string& bytes) { return write_all(impl_->order_pipe, bytes.data(), bytes.size()); }

bool WorkerProcess::receive(std::string& into) {
    const std::lock_guard<std::mutex> lock(board_mutex);
    if (impl_->pending.empty()) return !impl_->gone;
    into += impl_->pending;
    impl_->pending.clear();
    return true;
}

WorkerEnd WorkerProcess::stop(bool force) {
    impl_->stop(force);
    return {};  // the Job makes allocations fail at the cap: no worker is ended for memory
}

std::vector<bool> wait_for_output(const std::vector<WorkerProcess*>& workers, std::chrono::milliseconds wait) {
    std::vector<bool> ready(workers.size(), false);
    std::unique_lock<std::mutex> lock(board_mutex);
    board_changed.wait_for(lock, wait, [&] {
        bool any = false;
        for (size_t i = 0; i < workers.size(); ++i) {
            const WorkerProcess::Impl& worker = workers[i]->impl();
            ready[i] = !worker.pending.empty() || worker.gone;
            any = any || ready[i];
        }
        return any;
    });
    return ready;
}

void end_all_workers() {
    const std::lock_guard<std::mutex> starting(starting_mutex);
    workers_ended = true;
    if (HANDLE job = the_job()) TerminateJobObject(job, STATUS_CONTROL_C_EXIT);
}

int run_worker_process(const WorkerFactory& factory) {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    SetUnhandledExceptionFilter(end_quietly);
    HANDLE from_coordinator = GetStdHandle(STD_INPUT_HANDLE);
    to_coordinator = GetStdHandle(STD_OUTPUT_HANDLE);
    out_of_memory_frame = framed_result(unread(DocumentStatus::out_of_memory));
    std::signal(SIGABRT, on_abort);
    const WorkerPipes pipes{[from_coordinator](char* buffer, size_t size) { return read_exact(from_coordinator, buffer, size); },
                            [](const std::string& bytes) { return write_all(to_coordinator, bytes.data(), bytes.size()); }};
    serve_orders(pipes, factory);
    return 0;
}

}  // namespace zuvediv
