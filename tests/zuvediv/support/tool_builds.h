#pragma once
// The tool's two builds, for the tests of what both do alike: the Linux
// build, and the Windows build run under Wine as a Windows user runs it,
// handed Windows paths (Z:\...) and showing them so, and without the
// page-text cache, which Wine keeps one of per prefix. The Windows build is
// there when the test command built it and made a Wine prefix for it
// (ZUVEDIV_WINDOWS_TOOL and ZUVEDIV_TEST_WINEPREFIX).
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/pdf_fixtures.h"

namespace zuvediv_test {

// A Linux path as Windows programs under Wine see it (Z: is /).
std::string windows_path(std::string path);

class ToolBuild {
public:
    explicit ToolBuild(std::string windows_binary = "", std::string linux_binary = ZUVEDIV_BINARY)
        : windows_binary_(std::move(windows_binary)), linux_binary_(std::move(linux_binary)) {}
    // Arguments that begin with '/' are paths, passed as this build takes them.
    ToolRun run(const std::vector<std::string>& args, const Env& env = {}) const;
    // A path as this build shows it in lists and messages.
    std::string shown(const std::string& linux_path) const;
    bool is_windows() const { return !windows_binary_.empty(); }
    // The build as users get it: on Linux without the sanitizers, which end
    // a process whose allocation fails instead of failing the allocation.
    ToolBuild shipped() const { return ToolBuild(windows_binary_, ZUVEDIV_SHIPPED_BINARY); }
    // This build run from its own folder, so that its processes' command
    // lines hold that folder and are told from other tests'.
    ToolBuild placed_in(const fs::path& folder) const;
    // The Windows build, where the test command made it and a prefix for it.
    static std::optional<ToolBuild> windows();

private:
    std::string windows_binary_, linux_binary_;
};

// Tests that run once per build: TEST_P(BothBuilds, ...) and build().
class BothBuilds : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override;
    const ToolBuild& build() const { return build_; }

private:
    ToolBuild build_;
};

#define RUN_ON_BOTH_BUILDS(suite) \
    INSTANTIATE_TEST_SUITE_P(, suite, ::testing::Values("linux", "windows"), [](const auto& info) { return info.param; })

}  // namespace zuvediv_test
