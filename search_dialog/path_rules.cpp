#include "search_dialog/path_rules.h"

namespace {

// The text as the fixed path buffer holds it, less one trailing separator.
std::wstring TrimmedCopy(const std::wstring& text) {
    std::wstring path = text.substr(0, kMaxPathChars);
    if (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

}  // namespace

std::optional<std::wstring> PathForFileMode(const std::wstring& text, const PathLookup& lookup) {
    if (text.empty()) return std::nullopt;
    const std::wstring path = TrimmedCopy(text);
    const auto folder = lookup.IsFolder(path);
    if (!folder || !*folder) return std::nullopt;  // a file, or nothing there: keep the text

    const std::wstring pattern = path + L"\\*.pdf";
    if (pattern.size() > kMaxPathChars) return std::nullopt;
    const auto first = lookup.FirstPdfFile(pattern);
    if (!first) return std::wstring();  // a folder without PDF files
    std::wstring result = path + L"\\" + *first;
    if (result.size() > kMaxPathChars) return std::nullopt;
    return result;
}

std::optional<std::wstring> PathForFolderMode(const std::wstring& text, const PathLookup& lookup) {
    if (text.empty()) return std::nullopt;
    const std::wstring path = TrimmedCopy(text);
    const auto folder = lookup.IsFolder(path);
    if (!folder || *folder) return std::nullopt;  // a folder, or nothing there: keep the text
    return RemoveLastElement(path);
}
