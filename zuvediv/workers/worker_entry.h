#pragma once
// A Windows worker is this program started again with one argument; it
// serves the coordinator's orders on its standard input and output.
#include "workers/worker_loop.h"

namespace zuvediv {

inline constexpr const wchar_t* kWorkerArgument = L"--worker";

int run_worker_process(const WorkerFactory& factory);

}  // namespace zuvediv
