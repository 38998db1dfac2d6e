#pragma once
#include <windows.h>

#include "search_dialog/path_rules.h"

// The file system as the mode switch sees it.
class Win32PathLookup final : public PathLookup {
public:
    std::optional<bool> IsFolder(const std::wstring& path) const override {
        // A file search finds no entry for a drive root ("C:"), so ask for its attributes.
        if (path.size() == 2 && path[1] == L':') {
            const DWORD attributes = GetFileAttributesW((path + L"\\").c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES) return std::nullopt;
            return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        }
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW(path.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return std::nullopt;
        FindClose(search);
        return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    }

    std::optional<std::wstring> FirstPdfFile(const std::wstring& pattern) const override {
        WIN32_FIND_DATAW found{};
        const HANDLE search = FindFirstFileW(pattern.c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return std::nullopt;
        std::optional<std::wstring> name;
        // A folder whose name ends in .pdf is no file to search.
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) name = found.cFileName;
        } while (!name && FindNextFileW(search, &found));
        FindClose(search);
        return name;
    }
};
