#pragma once
// Under Wine the tool receives Windows paths (Z:\tmp\x) while it runs as a
// Linux program. Wine keeps each drive letter as a symlink in
// $WINEPREFIX/dosdevices (c: -> ../drive_c, z: -> /); follow it.
#include <string>

#include "command_line/given_path.h"

namespace zuvediv {

struct WineSetup {
    std::string prefix;  // the Wine prefix folder
    static WineSetup from_environment();  // $WINEPREFIX, else ~/.wine
};

bool looks_like_windows_path(const std::string& path);

// Linux paths pass unchanged.
MappedPath to_native_path(const std::string& path, const WineSetup& wine);

}  // namespace zuvediv
