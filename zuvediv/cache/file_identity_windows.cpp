#include "cache/file_identity.h"

#include <windows.h>

#include <algorithm>

#include "platform/long_path_windows.h"
#include "platform/unique_handle_windows.h"
#include "platform/wide_text_windows.h"

namespace zuvediv {
namespace {

// File times count 100 ns from 1601; the cache keeps nanoseconds from 1970,
// as the Linux build does (and which overflow no int64 before 2262).
constexpr int64_t kUnixEpochAsFileTime = 116444736000000000;

int64_t nanoseconds(const LARGE_INTEGER& file_time) { return (file_time.QuadPart - kUnixEpochAsFileTime) * 100; }

UniqueHandle open_for_attributes(const std::string& path) {
    // Backup semantics so that a folder opens too; links are followed.
    return UniqueHandle(CreateFileW(extended_path(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

// Written with '/' like the Linux build's paths: the cache finds the
// documents below a folder by that separator.
std::string generic_form(std::wstring path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) path = L"\\\\" + path.substr(8);
    else if (path.rfind(L"\\\\?\\", 0) == 0) path = path.substr(4);
    std::replace(path.begin(), path.end(), L'\\', L'/');
    return utf8_from_wide(path);
}

// Links resolved, and spelt as the volume spells it, whatever the case the
// caller wrote. Where the system cannot say (Wine, past MAX_PATH), the path
// made absolute and normal.
std::string resolved_path(const UniqueHandle& file, const std::string& path) {
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        const DWORD size = static_cast<DWORD>(name.size());
        const DWORD length = file ? GetFinalPathNameByHandleW(file.get(), &name[0], size, FILE_NAME_NORMALIZED) : 0;
        if (length == 0) return generic_form(extended_path(path));
        if (length < size) {
            name.resize(length);
            return generic_form(name);
        }
        name.resize(length);
    }
}

}  // namespace

std::string identity_path(const std::string& path) {
    const UniqueHandle file = open_for_attributes(path);
    return resolved_path(file, path);
}

std::optional<FileIdentity> identify_file(const std::string& path) {
    const UniqueHandle file = open_for_attributes(path);
    BY_HANDLE_FILE_INFORMATION info{};
    FILE_BASIC_INFO times{};
    if (!file || !GetFileInformationByHandle(file.get(), &info) ||
        !GetFileInformationByHandleEx(file.get(), FileBasicInfo, &times, sizeof times))
        return std::nullopt;
    if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
    FileIdentity identity;
    identity.path = resolved_path(file, path);
    identity.size = static_cast<int64_t>((static_cast<uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow);
    identity.mtime_ns = nanoseconds(times.LastWriteTime);
    identity.ctime_ns = nanoseconds(times.ChangeTime);  // moves with any change, also to the attributes
    identity.inode = static_cast<int64_t>((static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow);
    identity.device = static_cast<int64_t>(info.dwVolumeSerialNumber);
    return identity;
}

}  // namespace zuvediv
