#include "wine/bridge_status.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

#include "command_line/wine_path.h"
#include "common/search_contract.h"
#include "wine/stop_on_bridge_exit.h"

namespace zuvediv {
namespace {
void write_line(const std::string& path, const std::string& line) {
    if (FILE* f = std::fopen(path.c_str(), "a")) {
        std::fputs(line.c_str(), f);
        std::fclose(f);
    }
}
}  // namespace

BridgeStatus::BridgeStatus() {
    const char* named = std::getenv(search_contract::kBridgeStatusVariable);
    if (!named || !*named) return;
    const MappedPath mapped = to_native_path(named, WineSetup::from_environment());
    if (!mapped.error.empty()) return;
    path_ = mapped.path;
    dup2(STDOUT_FILENO, STDERR_FILENO);
    write_line(path_, search_contract::bridge_pid_line(getpid()));
    stop_when_bridge_ends(STDIN_FILENO);
}

void BridgeStatus::finish(int exit_code) {
    if (path_.empty()) return;
    std::fflush(stdout);
    std::fflush(stderr);
    write_line(path_, search_contract::bridge_exit_line(exit_code));
}

}  // namespace zuvediv
