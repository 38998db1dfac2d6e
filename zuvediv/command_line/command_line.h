#pragma once
// The command line as the desktop program and command-line users write it.
// The last two arguments are always the search string and the input path,
// so a search string may start with '-'.
#include <string>
#include <vector>

#include "command_line/options.h"

namespace zuvediv {

struct ParsedCommandLine {
    Options options;
    std::string error;  // Japanese, empty when the command line is usable
};

// args excludes the program name; all text is UTF-8.
ParsedCommandLine parse_command_line(const std::vector<std::string>& args);

}  // namespace zuvediv
