#include "documents/folder_listing.h"

#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <sys/stat.h>

namespace zuvediv {
namespace {

EntryKind kind_of(const struct stat& info) {
    if (S_ISREG(info.st_mode)) return EntryKind::file;
    if (S_ISDIR(info.st_mode)) return EntryKind::folder;
    return EntryKind::other;
}

FolderId id_of(const struct stat& info) { return {static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino)}; }

}  // namespace

FolderListing list_folder(const std::filesystem::path& folder, bool) {
    FolderListing listing;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) {
        listing.error = std::strerror(errno);
        return listing;
    }
    listing.opened = true;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) break;
        const std::string name = entry->d_name;
        // Relative to the open folder: follows links, opens nothing, and
        // works below paths too long to name.
        struct stat info {};
        if (name == "." || name == ".." || ::fstatat(::dirfd(dir), entry->d_name, &info, 0) != 0) continue;
        listing.entries.push_back({name, kind_of(info), id_of(info)});
    }
    if (errno != 0) listing.error = std::strerror(errno);
    ::closedir(dir);
    return listing;
}

std::optional<FolderId> folder_id(const std::filesystem::path& folder) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return std::nullopt;
    return id_of(info);
}

}  // namespace zuvediv
