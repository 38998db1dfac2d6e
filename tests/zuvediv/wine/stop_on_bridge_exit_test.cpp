// A search whose console bridge ends stops within a second, workers and
// all, and writes nothing after; a tool not started by the bridge runs on.
// (Under Wine the console's close is shown too, but on documents of a page
// or two, which end before a worker left alone would show.)
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include "pdf_writer.h"
#include "support/live_processes.h"
#include "support/pdf_fixtures.h"
#include "support/wait_until.h"

namespace zuvediv_test {
namespace {

using namespace std::chrono_literals;

// The tool as the bridge starts it: a status file named, this as its stdin;
// without the cache, so that the user's own stays untouched.
pid_t start_as_bridge_does(int stdin_fd, const std::string& status_file, std::vector<std::string> args) {
    args.insert(args.begin(), {ZUVEDIV_BINARY, "-N"});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(stdin_fd, 0);
        dup2(open("/dev/null", O_WRONLY), 1);
        setenv("ZUVEDIV_STATUS_FILE", status_file.c_str(), 1);
        execv(ZUVEDIV_BINARY, argv.data());
        _exit(127);
    }
    return pid;
}

size_t file_count(const fs::path& folder) {
    return std::distance(fs::recursive_directory_iterator(folder), fs::recursive_directory_iterator());
}

TEST(StopOnBridgeExit, ToolAndWorkersEndWithTheBridgeAndWriteNothingAfter) {
    const ScratchDir dir;
    fs::create_directories(dir.path() / "docs");
    // Long documents, so that workers are busy drawing pages when it stops.
    pdf_writer::write_pdf(dir.path() / "docs" / "0.pdf", std::vector<pdf_writer::PageLines>(100, {{50, 50, "here"}}));
    for (int i = 1; i < 4; ++i) fs::create_hard_link(dir.path() / "docs" / "0.pdf", dir.path() / "docs" / (std::to_string(i) + ".pdf"));
    fs::create_directories(dir.path() / "out");
    write_file(dir / "out/r.csv", "previous list");
    int lifeline[2];
    ASSERT_EQ(socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, lifeline), 0);
    const pid_t tool = start_as_bridge_does(lifeline[1], dir / "status", {"-j", "2", "-m", "-O", dir / "out", "-o", "r.csv", "here", dir / "docs"});
    close(lifeline[1]);
    ASSERT_GT(tool, 0);
    const bool imaging = WaitUntil([&] { return file_count(dir.path() / "out") > 3; }, 60000);
    close(lifeline[0]);  // the bridge is gone
    int status = 0;
    const bool ended = WaitUntil([&] { return waitpid(tool, &status, WNOHANG) == tool; }, 1000);
    if (!ended) kill(-tool, SIGKILL), waitpid(tool, &status, 0);
    const bool workers_gone =
        WaitUntil([&] { return LiveProcesses("/proc", [&](int group, const std::string&) { return group == tool; }).empty(); }, 1000);
    const size_t files_at_stop = file_count(dir.path() / "out");
    std::this_thread::sleep_for(500ms);
    EXPECT_TRUE(imaging) << "the search ran";
    EXPECT_TRUE(ended);
    EXPECT_TRUE(workers_gone);
    EXPECT_EQ(file_count(dir.path() / "out"), files_at_stop);
    EXPECT_EQ(ReadFileBytes(dir / "out/r.csv"), "previous list");
    EXPECT_LT(files_at_stop, 400u + 1) << "stopped before the end";
}

TEST(StopOnBridgeExit, StandardInputThatIsNoSocketIsNoLifeline) {
    const ScratchDir dir;
    EXPECT_EQ(run_tool_binary({"-N", "here", fixtures().deeper.string()}, {{"ZUVEDIV_STATUS_FILE", dir / "status"}}).exit_code, 0);
    EXPECT_NE(ReadFileBytes(dir / "status").find("exit 0"), std::string::npos);
}

}  // namespace
}  // namespace zuvediv_test
