#include "cache/cache_location.h"

#include <cstdlib>
#include <filesystem>

namespace zuvediv {

namespace fs = std::filesystem;

CacheLocation default_cache_location() {
    const char* xdg = std::getenv("XDG_CACHE_HOME");
    fs::path folder;
    if (xdg && fs::u8path(xdg).is_absolute()) {
        folder = fs::u8path(xdg);
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home) return {"", "置き場所の XDG_CACHE_HOME も HOME もありません"};
        folder = fs::u8path(home) / ".cache";
    }
    return {(folder / "zuvediv" / "pages.sqlite3").u8string(), ""};
}

const char* cache_folder_for_users() { return "$XDG_CACHE_HOME/zuvediv/ (未設定なら ~/.cache/zuvediv/)"; }

}  // namespace zuvediv
