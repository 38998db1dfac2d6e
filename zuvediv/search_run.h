#pragma once
// One run of the tool: arguments in, files searched, list and images
// written, summary printed, exit status out.
#include <string>
#include <vector>

namespace zuvediv {

constexpr int kExitFound = 0;
constexpr int kExitNotFound = 1;
constexpr int kExitError = 2;

int run_tool(const std::vector<std::string>& args);

}  // namespace zuvediv
