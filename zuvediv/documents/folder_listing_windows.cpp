#include "documents/folder_listing.h"

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/long_path_windows.h"
#include "platform/system_message_windows.h"
#include "platform/unique_handle_windows.h"
#include "platform/wide_text_windows.h"

namespace zuvediv {
namespace {

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// What a name leads to, links followed; false for a broken link.
bool look_through(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info) {
    // Backup semantics: folders open too. Only attributes are asked for: nothing is read.
    const UniqueHandle target(CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                          nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return target && GetFileInformationByHandle(target.get(), &info);
}

FolderId id_of(const BY_HANDLE_FILE_INFORMATION& info) {
    return {info.dwVolumeSerialNumber, (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow};
}

EntryKind kind_of(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? EntryKind::folder : EntryKind::file;
}

// The listing gives a link's own attributes; only a link, or a folder whose
// identity is wanted, is opened to see what lies behind it.
FolderEntry describe(const std::wstring& folder, const WIN32_FIND_DATAW& found, bool with_folder_ids) {
    FolderEntry entry{utf8_from_wide(found.cFileName), kind_of(found.dwFileAttributes), std::nullopt};
    const bool link = (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
    if (!link && !(entry.kind == EntryKind::folder && with_folder_ids)) return entry;
    BY_HANDLE_FILE_INFORMATION info{};
    if (!look_through(folder + L"\\" + found.cFileName, info)) {
        entry.kind = EntryKind::other;
        return entry;
    }
    entry.kind = kind_of(info.dwFileAttributes);
    if (entry.kind == EntryKind::folder) entry.id = id_of(info);
    return entry;
}

bool is_dot_entry(const wchar_t* name) { return std::wstring_view(name) == L"." || std::wstring_view(name) == L".."; }

}  // namespace

FolderListing list_folder(const std::filesystem::path& folder, bool with_folder_ids) {
    FolderListing listing;
    const std::wstring name = extended_path(folder.u8string());
    WIN32_FIND_DATAW found{};
    const FindHandle find(FindFirstFileExW((name + L"\\*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                           FIND_FIRST_EX_LARGE_FETCH));
    if (find.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        listing.opened = error == ERROR_FILE_NOT_FOUND;  // an empty drive has not even "." and ".."
        if (!listing.opened) listing.error = system_message(error);
        return listing;
    }
    listing.opened = true;
    do {
        if (!is_dot_entry(found.cFileName)) listing.entries.push_back(describe(name, found, with_folder_ids));
    } while (FindNextFileW(find.get(), &found));
    const DWORD stopped = GetLastError();
    if (stopped != ERROR_NO_MORE_FILES) listing.error = system_message(stopped);
    return listing;
}

std::optional<FolderId> folder_id(const std::filesystem::path& folder) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (!look_through(extended_path(folder.u8string()), info)) return std::nullopt;
    return id_of(info);
}

}  // namespace zuvediv
