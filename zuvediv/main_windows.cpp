// The Windows entry: the arguments arrive as UTF-16 and run_tool() takes
// UTF-8. The libraries are pointed at the data files beside the program
// before anything uses them, in the coordinator and in its workers alike.
#include <cwchar>
#include <string>
#include <vector>

#include "output/console.h"
#include "platform/library_data.h"
#include "platform/wide_text_windows.h"
#include "run/console_stop_windows.h"
#include "report/run_summary.h"
#include "run/search_run.h"
#include "run/worker_orders.h"
#include "workers/worker_entry.h"

namespace {

// The coordinator starts each of its workers as this program with this one argument.
bool started_as_worker(int argc, wchar_t** argv) { return argc == 2 && std::wcscmp(argv[1], zuvediv::kWorkerArgument) == 0; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::string data_error = zuvediv::use_library_data();
    // The coordinator found the data usable before it started the worker.
    if (started_as_worker(argc, argv)) return zuvediv::run_worker_process(zuvediv::document_worker);
    zuvediv::stop_at_console_signals();
    if (!data_error.empty()) {
        zuvediv::write_err("Zuvediv: エラー: " + data_error + "\n");
        return zuvediv::kExitError;
    }
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.push_back(zuvediv::utf8_from_wide(argv[i]));
    return zuvediv::run_tool(args);
}
