#include "run/console_stop_windows.h"

#include <windows.h>

#include "workers/worker_job_windows.h"

namespace zuvediv {
namespace {

// Runs on a thread of its own. TerminateProcess rather than ExitProcess:
// nothing the other threads hold, and no library's exit handler, can delay
// the end or write anything more. The workers are ended first, not left
// to the Job's closing: one being started may not be in the Job yet.
BOOL WINAPI stop_now(DWORD) {
    end_all_workers();
    TerminateProcess(GetCurrentProcess(), STATUS_CONTROL_C_EXIT);
    return TRUE;
}

}  // namespace

void stop_at_console_signals() { SetConsoleCtrlHandler(stop_now, TRUE); }

}  // namespace zuvediv
