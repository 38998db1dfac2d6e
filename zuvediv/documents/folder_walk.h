#pragma once
// Finds the regular files named .pdf in a folder and, if asked, below it,
// without ever blocking or looping: nothing is opened but folders (a FIFO
// named .pdf would block its reader), folder links are followed but no
// folder is entered twice (a link to a parent would loop), and a folder
// that cannot be read is noted and skipped.
#include <filesystem>
#include <string>
#include <vector>

namespace zuvediv {

struct UnreadableFolder {
    std::filesystem::path path;
    std::string reason;  // the system's
};

struct FolderWalk {
    std::vector<std::filesystem::path> files;  // in no particular order
    std::vector<UnreadableFolder> unreadable;
};

FolderWalk walk_folder(const std::filesystem::path& root, bool recursive);

}  // namespace zuvediv
