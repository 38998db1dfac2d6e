#pragma once
// Under Wine the tool receives Windows paths (Z:\tmp\x) while it runs as a
// Linux program. Wine keeps each drive letter as a symlink in
// $WINEPREFIX/dosdevices (c: -> ../drive_c, z: -> /); follow it.
#include <string>

namespace zuvediv {

struct WineSetup {
    std::string prefix;  // the Wine prefix folder
    static WineSetup from_environment();  // $WINEPREFIX, else ~/.wine
};

bool looks_like_windows_path(const std::string& path);

struct MappedPath {
    std::string path;
    std::string error;  // Japanese, when a drive letter is unknown to Wine
};

// Linux paths pass unchanged.
MappedPath to_native_path(const std::string& path, const WineSetup& wine);

}  // namespace zuvediv
