#include "platform/long_path_windows.h"

#include <windows.h>

#include "platform/wide_text_windows.h"

namespace zuvediv {
namespace {

constexpr wchar_t kExtended[] = L"\\\\?\\";
constexpr wchar_t kExtendedShare[] = L"\\\\?\\UNC\\";

bool starts_with(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

// GetFullPathNameW resolves "." and "..", turns '/' into '\' and takes
// paths of any length; the current folder completes a relative one.
std::wstring full_path(const std::wstring& path) {
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), &full[0], nullptr);
        if (length == 0) return path;
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

}  // namespace

std::wstring extended_path(const std::string& utf8_path) {
    const std::wstring given = wide_from_utf8(utf8_path);
    if (given.empty() || starts_with(given, kExtended)) return given;
    const std::wstring full = full_path(given);
    if (starts_with(full, L"\\\\.\\")) return full;  // a device
    if (starts_with(full, L"\\\\")) return kExtendedShare + full.substr(2);
    if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return kExtended + full;
    return full;
}

}  // namespace zuvediv
