#include "cache/private_cache_place.h"

#include <windows.h>

#include <filesystem>

#include "platform/long_path_windows.h"

namespace zuvediv {
namespace {

namespace fs = std::filesystem;

// What SQLite keeps beside the database file.
constexpr const char* kDatabaseFiles[] = {"", "-wal", "-shm", "-journal"};

bool is_link(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

std::string check_folder(const std::wstring& folder) {
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return "キャッシュのフォルダーを開けません";
    if (is_link(attributes) || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return "キャッシュのフォルダーがリンクか、フォルダーではありません";
    return "";
}

std::string check_files(const std::string& database_file) {
    for (const char* suffix : kDatabaseFiles) {
        const DWORD attributes = GetFileAttributesW(extended_path(database_file + suffix).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) continue;  // made later by SQLite
        if (is_link(attributes) || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return "キャッシュのフォルダーにリンクがあります";
    }
    return "";
}

}  // namespace

// %LOCALAPPDATA% is its user's alone, and what is made in it inherits that.
// What is left to refuse is a junction or symbolic link, in place of the
// folder or a file in it, that would lead the cache's writes elsewhere.
std::string make_cache_place_private(const std::string& database_file) {
    const std::wstring folder = extended_path(fs::u8path(database_file).parent_path().u8string());
    if (!CreateDirectoryW(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) return "キャッシュのフォルダーを作れません";
    const std::string refusal = check_folder(folder);
    return refusal.empty() ? check_files(database_file) : refusal;
}

}  // namespace zuvediv
