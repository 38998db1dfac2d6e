#include "cache/file_identity.h"

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <map>
#include <mutex>

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

// The file index, as GetFileInformationByHandle gives it, but without the
// volume query it makes for every file (under Wine, a round trip through
// its mount manager that cost a warm search a fifth of its time).
std::optional<int64_t> file_index(const UniqueHandle& file) {
    // Not named in every SDK's winternl.h; the class number and layout are fixed.
    constexpr auto kInternalInformation = static_cast<FILE_INFORMATION_CLASS>(6);
    struct InternalInformation {
        LARGE_INTEGER index_number;
    } information{};
    IO_STATUS_BLOCK status{};
    if (NtQueryInformationFile(file.get(), &status, &information, sizeof information, kInternalInformation) < 0)
        return std::nullopt;
    return information.index_number.QuadPart;
}

// A file lies on the volume of the folder that holds it, links resolved:
// the volume is asked once per such folder.
std::optional<DWORD> volume_serial(const UniqueHandle& file, const std::string& resolved) {
    static std::mutex guard;
    static std::map<std::string, DWORD> serial_of_folder;
    const size_t slash = resolved.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : resolved.substr(0, slash);
    const std::lock_guard<std::mutex> lock(guard);
    if (const auto known = serial_of_folder.find(folder); known != serial_of_folder.end()) return known->second;
    DWORD serial = 0;
    if (!GetVolumeInformationByHandleW(file.get(), nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) return std::nullopt;
    serial_of_folder.emplace(folder, serial);
    return serial;
}

}  // namespace

std::string identity_path(const std::string& path) {
    const UniqueHandle file = open_for_attributes(path);
    return resolved_path(file, path);
}

std::optional<FileIdentity> identify_file(const std::string& path) {
    const UniqueHandle file = open_for_attributes(path);
    FILE_BASIC_INFO times{};
    FILE_STANDARD_INFO standard{};
    std::optional<int64_t> index;
    if (!file || !GetFileInformationByHandleEx(file.get(), FileBasicInfo, &times, sizeof times) ||
        !GetFileInformationByHandleEx(file.get(), FileStandardInfo, &standard, sizeof standard) || standard.Directory ||
        !(index = file_index(file)))
        return std::nullopt;
    FileIdentity identity;
    identity.path = resolved_path(file, path);
    const std::optional<DWORD> serial = volume_serial(file, identity.path);
    if (!serial) return std::nullopt;
    identity.size = standard.EndOfFile.QuadPart;
    identity.mtime_ns = nanoseconds(times.LastWriteTime);
    identity.ctime_ns = nanoseconds(times.ChangeTime);  // moves with any change, also to the attributes
    identity.inode = *index;
    identity.device = static_cast<int64_t>(*serial);
    return identity;
}

}  // namespace zuvediv
