#pragma once
// Where the page-text cache lives: $XDG_CACHE_HOME/zuvediv/ (~/.cache/zuvediv/
// when that is unset) on Linux, %LOCALAPPDATA%\Zuvediv\ on Windows.
#include <string>

namespace zuvediv {

struct CacheLocation {
    std::string file;     // the database file, "" when there is no place for it
    std::string missing;  // Japanese: what would have said where
};

CacheLocation default_cache_location();

// The folder as the usage text names it.
const char* cache_folder_for_users();

}  // namespace zuvediv
