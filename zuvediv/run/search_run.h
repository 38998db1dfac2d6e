#pragma once
// One run of the tool: arguments in, files searched, list and images
// written, summary printed, exit status out.
#include <string>
#include <vector>

namespace zuvediv {

int run_tool(const std::vector<std::string>& args);

}  // namespace zuvediv
