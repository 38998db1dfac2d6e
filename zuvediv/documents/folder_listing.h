#pragma once
// What the folder walk asks of the file system: the entries of one folder,
// each a file, a folder or something else, with links followed, and the
// identity of a folder, by which a folder reached twice is known.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zuvediv {

// Device and inode on Linux, volume serial number and file index on Windows.
using FolderId = std::pair<uint64_t, uint64_t>;

enum class EntryKind { file, folder, other };  // other: FIFOs, sockets, devices, broken links

struct FolderEntry {
    std::string name;  // as the file system spells it (UTF-8 on Windows)
    EntryKind kind = EntryKind::other;
    std::optional<FolderId> id;  // for folders, when asked for and known
};

struct FolderListing {
    bool opened = false;
    std::vector<FolderEntry> entries;  // what was read, also when reading stopped early
    std::string error;                 // the system's reason, when it could not open or read on
};

// Opens no file for reading: Linux looks at each entry relative to the open
// folder; Windows opens a link, or a folder whose identity is wanted, for
// its attributes only.
FolderListing list_folder(const std::filesystem::path& folder, bool with_folder_ids);
std::optional<FolderId> folder_id(const std::filesystem::path& folder);

}  // namespace zuvediv
