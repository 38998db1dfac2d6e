// Hands the command line to run_tool() and, under the Wine console bridge,
// reports the exit status to it.
#include <string>
#include <vector>

#include "wine/bridge_status.h"
#include "run/search_run.h"

int main(int argc, char** argv) {
    zuvediv::BridgeStatus bridge;
    const int code = zuvediv::run_tool(std::vector<std::string>(argv + 1, argv + argc));
    bridge.finish(code);
    return code;
}
