#pragma once
// How the input path changes when the search target switches between one
// file and a folder. No windows.h: the file system is reached through
// PathLookup, so the rules are tested natively.
#include <optional>
#include <string>

#include "winlayer/path_elements.h"

// Paths live in buffers of 260 characters, terminator included.
constexpr std::size_t kMaxPathChars = 259;

class PathLookup {
public:
    virtual ~PathLookup() = default;
    // true for a folder, false for anything else, nothing when the path names nothing.
    virtual std::optional<bool> IsFolder(const std::wstring& path) const = 0;
    // Name of the first PDF file that a search for the pattern returns.
    virtual std::optional<std::wstring> FirstPdfFile(const std::wstring& pattern) const = 0;
};

// New text for the input path on entering file mode, or nothing to keep it.
std::optional<std::wstring> PathForFileMode(const std::wstring& text, const PathLookup& lookup);

// New text for the input path on entering folder mode, or nothing to keep it.
std::optional<std::wstring> PathForFolderMode(const std::wstring& text, const PathLookup& lookup);
