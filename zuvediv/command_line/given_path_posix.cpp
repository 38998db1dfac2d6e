#include "command_line/given_path.h"

#include "command_line/wine_path.h"

namespace zuvediv {

MappedPath openable_path(const std::string& given) { return to_native_path(given, WineSetup::from_environment()); }

char display_separator(const std::string& given) { return looks_like_windows_path(given) ? '\\' : '/'; }

}  // namespace zuvediv
