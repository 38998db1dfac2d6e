#pragma once
// The sections of the program's profile. They belong to the program, so
// they live in the lowest of its own folders, where every dialog and the
// application find them.
#include <string>

namespace profile_section {
inline const std::wstring kSettings = L"Settings";
inline const std::wstring kCsv = L"Settings\\CSV";
inline const std::wstring kWindowPlacement = L"Settings\\WindowPlacement";
}  // namespace profile_section
