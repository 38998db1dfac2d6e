#include "cache/file_identity.h"

#include <filesystem>

#include <sys/stat.h>

namespace zuvediv {
namespace {

int64_t nanoseconds(const timespec& t) { return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec; }

}  // namespace

std::string identity_path(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(std::filesystem::u8path(path), ec);
    return ec ? std::string() : resolved.u8string();
}

std::optional<FileIdentity> identify_file(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
    FileIdentity identity;
    identity.path = identity_path(path);
    if (identity.path.empty()) return std::nullopt;
    identity.size = static_cast<int64_t>(info.st_size);
    identity.mtime_ns = nanoseconds(info.st_mtim);
    identity.ctime_ns = nanoseconds(info.st_ctim);
    identity.inode = static_cast<int64_t>(info.st_ino);
    identity.device = static_cast<int64_t>(info.st_dev);
    return identity;
}

}  // namespace zuvediv
