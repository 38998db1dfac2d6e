#include "search_dialog/path_rules.h"

namespace {

// The text as the fixed path buffer holds it, less one trailing separator.
std::wstring TrimmedCopy(const std::wstring& text) {
    std::wstring path = text.substr(0, kMaxPathChars);
    if (!path.empty() && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
    return path;
}

}  // namespace

std::wstring RemoveLastElement(const std::wstring& path) {
    const auto slash = path.rfind(L'\\');
    if (slash == std::wstring::npos) {
        // "C:name" keeps its drive; a bare name leaves nothing.
        return path.size() >= 2 && path[1] == L':' ? path.substr(0, 2) : std::wstring();
    }
    if (slash == 0) return L"\\";                                   // \name -> \ (root)
    if (slash == 1 && path[0] == L'\\') return L"\\\\";             // \\server
    if (slash == 2 && path[1] == L':') return path.substr(0, 3);  // C:\name -> C:\ (root)
    return path.substr(0, slash);
}

std::wstring LastElement(const std::wstring& path) {
    const auto slash = path.rfind(L'\\');
    if (slash != std::wstring::npos) return path.substr(slash + 1);
    return path.size() >= 2 && path[1] == L':' ? path.substr(2) : path;
}

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
