#include "support/tool_builds.h"

#include <cstdlib>

namespace zuvediv_test {
namespace {

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

}  // namespace

std::string windows_path(std::string path) {
    for (char& c : path) c = c == '/' ? '\\' : c;
    return "Z:" + path;
}

ToolRun ToolBuild::run(const std::vector<std::string>& args, const Env& env) const {
    if (!is_windows()) return run_tool_binary(args, env, linux_binary_);
    // Wine gives every run the prefix's own %LOCALAPPDATA%, so the Windows
    // build's cache would be shared by all the tests at once.
    std::vector<std::string> command = {windows_binary_};
    if (args.size() >= 2) command.push_back("-N");  // not before a lone -h
    for (const std::string& arg : args) command.push_back(arg.rfind('/', 0) == 0 ? windows_path(arg) : arg);
    Env wine = env;
    wine["WINEPREFIX"] = environment("ZUVEDIV_TEST_WINEPREFIX");
    wine["WINEDEBUG"] = "-all";
    return run_tool_binary(command, wine, "/usr/lib/wine/wine64");
}

std::string ToolBuild::shown(const std::string& linux_path) const {
    return is_windows() ? windows_path(linux_path) : linux_path;
}

ToolBuild ToolBuild::placed_in(const fs::path& folder) const {
    fs::create_directories(folder);
    const fs::path binary = is_windows() ? windows_binary_ : linux_binary_;
    const fs::path placed = folder / binary.filename();
    fs::create_hard_link(binary, placed);
    if (is_windows()) {  // the data the Windows build finds beside itself
        for (const auto& entry : fs::directory_iterator(binary.parent_path()))
            if (entry.path().filename() != binary.filename()) fs::create_symlink(entry.path(), folder / entry.path().filename());
        return ToolBuild(placed.string(), linux_binary_);
    }
    return ToolBuild("", placed.string());
}

std::optional<ToolBuild> ToolBuild::windows() {
    const char* binary = environment("ZUVEDIV_WINDOWS_TOOL");
    if (!binary || !environment("ZUVEDIV_TEST_WINEPREFIX")) return std::nullopt;
    return ToolBuild(binary);
}

void BothBuilds::SetUp() {
    if (GetParam() == "linux") return;
    const std::optional<ToolBuild> windows = ToolBuild::windows();
    if (!windows) GTEST_SKIP() << "the Windows build was not made";
    build_ = *windows;
}

}  // namespace zuvediv_test
