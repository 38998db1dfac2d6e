#include "cache/cache_location.h"

#include <windows.h>

#include "platform/wide_text_windows.h"

namespace zuvediv {

// The user's own local application data: only this user may read it, and
// it does not roam with the profile.
CacheLocation default_cache_location() {
    const DWORD length = GetEnvironmentVariableW(L"LOCALAPPDATA", nullptr, 0);
    std::wstring folder(length, L'\0');
    if (length <= 1 || GetEnvironmentVariableW(L"LOCALAPPDATA", &folder[0], length) != length - 1)
        return {"", "置き場所の LOCALAPPDATA がありません"};
    folder.resize(length - 1);
    return {utf8_from_wide(folder) + "\\Zuvediv\\pages.sqlite3", ""};
}

const char* cache_folder_for_users() { return "%LOCALAPPDATA%\\Zuvediv\\"; }

}  // namespace zuvediv
