// A tool not started by the bridge, its standard input no socket, runs on
// and reports its end in the status file that the bridge reads. (Closing the
// bridge's console, which ends the tool and its workers, is shown under Wine.)
#include <gtest/gtest.h>

#include <sys/wait.h>

#include "support/pdf_fixtures.h"

namespace zuvediv_test {
namespace {

TEST(BridgeStatus, StandardInputThatIsNoSocketIsNoLifeline) {
    const ScratchDir dir;
    const std::string command = "ZUVEDIV_STATUS_FILE='" + (dir / "status") + "' '" ZUVEDIV_BINARY "' -N here '" +
                                fixtures().deeper.string() + "' </dev/null >/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_NE(read_file(dir / "status").find("exit 0"), std::string::npos);
}

}  // namespace
}  // namespace zuvediv_test
