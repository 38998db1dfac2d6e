// Adapts the platform's command line to UTF-8 arguments for run_tool().
#include <string>
#include <vector>

#include "bridge_status.h"
#include "search_run.h"

#ifdef _WIN32
#include <windows.h>

// wmain receives the arguments split by the usual Windows rules
// (CommandLineToArgvW), so quoted text arrives intact.
int wmain(int argc, wchar_t** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, nullptr, 0, nullptr, nullptr);
        std::string arg(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
        if (n > 1) WideCharToMultiByte(CP_UTF8, 0, argv[i], -1, arg.data(), n, nullptr, nullptr);
        args.push_back(std::move(arg));
    }
    return zuvediv::run_tool(args);
}
#else
int main(int argc, char** argv) {
    zuvediv::BridgeStatus bridge;
    const int code = zuvediv::run_tool(std::vector<std::string>(argv + 1, argv + argc));
    bridge.finish(code);
    return code;
}
#endif
