#include "windows/scratch_folder.h"

#include <windows.h>

#include <stdexcept>

#include "platform/long_path_windows.h"
#include "platform/unique_handle_windows.h"
#include "platform/wide_text_windows.h"

namespace zuvediv_test {
namespace {

using zuvediv::extended_path;

void remove_tree(const std::wstring& folder) {
    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) remove_tree(path);
            else DeleteFileW(path.c_str());
        } while (FindNextFileW(find, &found));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

ScratchFolder::ScratchFolder() {
    static int made = 0;
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    path_ = zuvediv::utf8_from_wide(temp) + "検索 テスト " + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(made++);
    remove_tree(extended_path(path_));
    if (!CreateDirectoryW(extended_path(path_).c_str(), nullptr)) throw std::runtime_error("no scratch folder");
}

ScratchFolder::~ScratchFolder() { remove_tree(extended_path(path_)); }

void write_bytes(const std::string& path, const std::string& bytes) {
    const zuvediv::UniqueHandle file(
        CreateFileW(extended_path(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD wrote = 0;
    if (!file || !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr))
        throw std::runtime_error("cannot write " + path);
}

std::string read_bytes(const std::string& path) {
    const zuvediv::UniqueHandle file(CreateFileW(extended_path(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (file && ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    return bytes;
}

std::string make_deep_folder(const std::string& top) {
    std::string folder = top;
    CreateDirectoryW(extended_path(folder).c_str(), nullptr);
    while (zuvediv::wide_from_utf8(folder).size() <= MAX_PATH + 40) {
        folder += "\\とても長い名前のフォルダー";
        CreateDirectoryW(extended_path(folder).c_str(), nullptr);
    }
    return folder;
}

}  // namespace zuvediv_test
