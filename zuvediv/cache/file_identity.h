#pragma once
// What says a file is still the one whose text was kept: a change in place
// that puts size and modification time back still moves the change time.
#include <cstdint>
#include <optional>
#include <string>

namespace zuvediv {

struct FileIdentity {
    std::string path;  // absolute, links resolved; on Windows as the volume spells it, with '/'
    int64_t size = 0;
    int64_t mtime_ns = 0;
    int64_t ctime_ns = 0;
    int64_t inode = 0;   // Windows: the file index
    int64_t device = 0;  // Windows: the volume serial number

    bool operator==(const FileIdentity& other) const;
};

std::optional<FileIdentity> identify_file(const std::string& path);
// Absolute and resolved the same way as a file's identity path.
std::string identity_path(const std::string& path);

}  // namespace zuvediv
