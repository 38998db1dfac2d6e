#include "winlayer/path_elements.h"

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
