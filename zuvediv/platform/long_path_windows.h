#pragma once
// Windows opens paths longer than MAX_PATH (260) only in their extended
// form, \\?\C:\... or \\?\UNC\server\share\..., which the system takes
// literally: no '/', no "." or "..", never relative.
#include <string>

namespace zuvediv {

// The UTF-8 path made absolute and normal, in its extended form when it
// names a drive or a share; unchanged if already extended.
std::wstring extended_path(const std::string& utf8_path);

}  // namespace zuvediv
