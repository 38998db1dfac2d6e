#include "support/temp_folder.h"

#include <windows.h>

#include <stdexcept>

std::wstring MakeTempFolder(const std::wstring& prefix) {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const std::wstring folder = std::wstring(base) + L"vivevav-" + prefix + L"-" +
                                    std::to_wstring(GetCurrentProcessId()) + L"-" +
                                    std::to_wstring(GetTickCount64() % 100000) + L"-" + std::to_wstring(attempt);
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
    }
    throw std::runtime_error("cannot create a temporary folder");
}

namespace {
// Calls visit(name, isFolder) for every entry of the folder but . and ..; false if it cannot be listed.
template <typename Visit>
bool ForEachEntry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") visit(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}
}  // namespace

void RemoveTempFolder(const std::wstring& folder) {
    if (folder.empty()) return;
    ForEachEntry(folder, [&](const std::wstring& name, bool isFolder) {
        if (isFolder) RemoveTempFolder(folder + L"\\" + name);
        else DeleteFileW((folder + L"\\" + name).c_str());
    });
    RemoveDirectoryW(folder.c_str());
}

void MakeFolder(const std::wstring& path) {
    const auto slash = path.rfind(L'\\');
    if (slash != std::wstring::npos && slash > 2) MakeFolder(path.substr(0, slash));
    CreateDirectoryW(path.c_str(), nullptr);
}

void MakeFile(const std::wstring& path) {
    const auto slash = path.rfind(L'\\');
    if (slash != std::wstring::npos) MakeFolder(path.substr(0, slash));
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot create a test file");
    CloseHandle(file);
}

void CopyFolder(const std::wstring& from, const std::wstring& to) {
    MakeFolder(to);
    const bool listed = ForEachEntry(from, [&](const std::wstring& name, bool isFolder) {
        if (isFolder) CopyFolder(from + L"\\" + name, to + L"\\" + name);
        else if (!CopyFileW((from + L"\\" + name).c_str(), (to + L"\\" + name).c_str(), FALSE))
            throw std::runtime_error("cannot copy a file");
    });
    if (!listed) throw std::runtime_error("cannot list a folder to copy");
}

std::string ReadFileBytes(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}
