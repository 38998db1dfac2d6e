#pragma once
// A path as the caller wrote it, and the path the tool opens. The Linux
// build runs under Wine and is given Windows paths, which it maps to Linux
// ones (see wine_path.h); the Windows build opens what it is given.
#include <string>

namespace zuvediv {

struct MappedPath {
    std::string path;
    std::string error;  // Japanese, when the path cannot be mapped
};

MappedPath openable_path(const std::string& given);

// The separator the list and the console show below a given folder: the caller's own.
char display_separator(const std::string& given);

}  // namespace zuvediv
