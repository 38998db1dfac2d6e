#pragma once
// A Windows path's last element and what comes before it. No windows.h, so
// the rules are tested natively.
#include <string>

// The path without its last element and the backslash before it; a drive
// root keeps its backslash (C:\a.pdf -> C:\).
std::wstring RemoveLastElement(const std::wstring& path);

// The path's last element: what follows its last backslash, or its drive.
std::wstring LastElement(const std::wstring& path);
