#include "wine/bridge_status.h"

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

#include "command_line/wine_path.h"
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
    const char* named = std::getenv("ZUVEDIV_STATUS_FILE");
    if (!named || !*named) return;
    const MappedPath mapped = to_native_path(named, WineSetup::from_environment());
    if (!mapped.error.empty()) return;
    path_ = mapped.path;
    dup2(STDOUT_FILENO, STDERR_FILENO);
    write_line(path_, "pid " + std::to_string(getpid()) + "\n");
    stop_when_bridge_ends(STDIN_FILENO);
}

void BridgeStatus::finish(int exit_code) {
    if (path_.empty()) return;
    std::fflush(stdout);
    std::fflush(stderr);
    write_line(path_, "exit " + std::to_string(exit_code) + "\n");
}

}  // namespace zuvediv
