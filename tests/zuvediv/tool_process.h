#pragma once
// Runs the built zuvediv binary the way the desktop program does.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace zuvediv_test {

struct ToolRun {
    int exit_code = -1;
    std::string out;
    std::string err;
};

ToolRun run_tool_binary(const std::vector<std::string>& args,
                        const std::map<std::string, std::string>& environment = {});

std::string read_file(const std::filesystem::path& path);

}  // namespace zuvediv_test
