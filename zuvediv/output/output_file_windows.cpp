#include "output/output_file.h"

#include <windows.h>

#include "platform/long_path_windows.h"

namespace zuvediv {
namespace {

bool is_folder(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

// Outermost first; the extended form names every folder on the way, down
// from the drive or the share.
bool make_folders(const std::string& path) {
    const std::wstring folder = extended_path(path);
    for (size_t cut = folder.find(L'\\', 4); cut != std::wstring::npos; cut = folder.find(L'\\', cut + 1))
        CreateDirectoryW(folder.substr(0, cut).c_str(), nullptr);
    CreateDirectoryW(folder.c_str(), nullptr);
    return is_folder(folder);
}

std::FILE* create_output_file(const std::string& path) { return _wfopen(extended_path(path).c_str(), L"wb"); }

TIFF* create_tiff_file(const std::string& path) { return TIFFOpenW(extended_path(path).c_str(), "w"); }

}  // namespace zuvediv
