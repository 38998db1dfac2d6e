#include "platform/data_folder.h"

#include <windows.h>

#include <algorithm>

#include "platform/wide_text_windows.h"

namespace zuvediv {
namespace {

std::wstring program_file() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return L"";
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

bool is_ascii(const std::wstring& text) {
    return std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; });
}

// ICU, poppler and Tesseract open their data with narrow-character calls
// (CreateFileA, FindFirstFileA, fopen), which only ASCII names survive in
// every code page; the folder's short (8.3) name is ASCII where the volume keeps one.
std::wstring narrow_safe(const std::wstring& folder) {
    if (is_ascii(folder)) return folder;
    std::wstring short_name(folder.size() + 1, L'\0');
    const DWORD length = GetShortPathNameW(folder.c_str(), &short_name[0], static_cast<DWORD>(short_name.size()));
    if (length == 0 || length >= short_name.size()) return folder;
    short_name.resize(length);
    return is_ascii(short_name) ? short_name : folder;
}

}  // namespace

std::string data_folder() {
    const std::wstring program = program_file();
    const size_t cut = program.find_last_of(L'\\');
    if (cut == std::wstring::npos) return "";
    return utf8_from_wide(narrow_safe(program.substr(0, cut)));
}

}  // namespace zuvediv
