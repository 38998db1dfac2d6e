#include "search_dialog/path_rules.h"

#include <gtest/gtest.h>

#include <map>

namespace {
// A small file system: each path is a folder (true) or a file (false).
struct FakeLookup final : PathLookup {
    std::map<std::wstring, bool> entries;
    std::map<std::wstring, std::wstring> firstPdf;  // pattern -> name
    std::optional<bool> IsFolder(const std::wstring& path) const override {
        const auto it = entries.find(path);
        return it == entries.end() ? std::nullopt : std::optional(it->second);
    }
    std::optional<std::wstring> FirstPdfFile(const std::wstring& pattern) const override {
        const auto it = firstPdf.find(pattern);
        return it == firstPdf.end() ? std::nullopt : std::optional(it->second);
    }
};
}  // namespace

TEST(PathRules, ModeSwitchesKeepTheTextUnlessTheOtherKindIsThere) {
    FakeLookup fs;
    fs.entries = {{L"C:\\docs", true}, {L"C:\\empty", true}, {L"D:", true}, {L"C:\\docs\\a.pdf", false}, {L"C:\\a.pdf", false}};
    fs.firstPdf = {{L"C:\\docs\\*.pdf", L"a.pdf"}, {L"D:\\*.pdf", L"b.pdf"}};
    struct Case { const char* name; bool toFile; const wchar_t* text; std::optional<std::wstring> expected; };  // nothing: keep the text
    const Case cases[] = {
        {"a folder gives its first PDF", true, L"C:\\docs\\", L"C:\\docs\\a.pdf"},
        {"a slash ends a folder too", true, L"C:\\docs/", L"C:\\docs\\a.pdf"},
        {"a drive root", true, L"D:\\", L"D:\\b.pdf"},
        {"a folder without PDF files empties the field", true, L"C:\\empty", L""},
        {"a file stays in file mode", true, L"C:\\docs\\a.pdf", std::nullopt},
        {"nothing there stays in file mode", true, L"C:\\nowhere", std::nullopt},
        {"a file gives its folder", false, L"C:\\docs\\a.pdf", L"C:\\docs"},
        {"a file at a root gives the root", false, L"C:\\a.pdf", L"C:\\"},
        {"a folder stays in folder mode", false, L"C:\\docs\\", std::nullopt},
        {"nothing there stays in folder mode", false, L"C:\\gone.pdf", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(c.toFile ? PathForFileMode(c.text, fs) : PathForFolderMode(c.text, fs), c.expected) << c.name;
    const std::pair<const wchar_t*, const wchar_t*> parents[] = {
        {L"\\\\server\\share\\a.pdf", L"\\\\server\\share"}, {L"\\a.pdf", L"\\"}, {L"a.pdf", L""}, {L"C:a.pdf", L"C:"}};
    for (const auto& [path, expected] : parents) EXPECT_EQ(RemoveLastElement(path), expected) << path;
}

TEST(PathRules, NothingLongerThanThePathBufferIsMade) {
    FakeLookup fs;
    const std::wstring fits(253, L'f'), tooLong(254, L'g'), shorter(250, L'h');  // 253 + "\*.pdf" = 259
    fs.entries = {{fits, true}, {tooLong, true}, {shorter, true}};
    fs.firstPdf = {{fits + L"\\*.pdf", L"ab.pdf"}, {tooLong + L"\\*.pdf", L"a.pdf"}, {shorter + L"\\*.pdf", L"12345678"}};
    EXPECT_EQ(PathForFileMode(tooLong, fs), std::nullopt) << "the pattern would not fit";
    EXPECT_EQ(PathForFileMode(fits, fs), std::nullopt) << "the folder plus the found name would not fit";
    EXPECT_EQ(PathForFileMode(shorter, fs), shorter + L"\\12345678");  // 259
    const std::wstring file = L"C:\\" + std::wstring(250, L'x') + L"\\y.pdf";
    fs.entries = {{file, false}};
    EXPECT_EQ(PathForFolderMode(file + L"zzz", fs), L"C:\\" + std::wstring(250, L'x')) << "cut to the buffer first";
}
