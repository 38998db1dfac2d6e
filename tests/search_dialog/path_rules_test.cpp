#include "search_dialog/path_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {
// A small file system: folders and files by full path, Windows style.
struct FakeLookup final : PathLookup {
    std::set<std::wstring> folders, files;
    std::map<std::wstring, std::wstring> firstPdf;  // pattern -> name

    std::optional<bool> IsFolder(const std::wstring& path) const override {
        if (folders.count(path) || files.count(path)) return folders.count(path) > 0;
        return std::nullopt;
    }
    std::optional<std::wstring> FirstPdfFile(const std::wstring& pattern) const override {
        const auto it = firstPdf.find(pattern);
        return it == firstPdf.end() ? std::nullopt : std::optional(it->second);
    }
};
}  // namespace

TEST(PathRules, ModeSwitches) {
    FakeLookup fs;
    fs.folders = {L"C:\\docs", L"C:\\empty", L"D:"};
    fs.files = {L"C:\\docs\\a.pdf", L"C:\\a.pdf", L"D:\\b.pdf"};
    fs.firstPdf = {{L"C:\\docs\\*.pdf", L"a.pdf"}, {L"D:\\*.pdf", L"b.pdf"}};
    struct Case {
        bool toFile;
        const wchar_t* text;
        std::optional<std::wstring> expected;  // nothing: the field keeps its text
    };
    const Case cases[] = {
        {true, L"C:\\docs", L"C:\\docs\\a.pdf"},
        {true, L"C:\\docs\\", L"C:\\docs\\a.pdf"},
        {true, L"C:\\docs/", L"C:\\docs\\a.pdf"},
        {true, L"D:\\", L"D:\\b.pdf"},            // a drive root picked as the folder
        {true, L"C:\\empty", L""},                // a folder without PDF files
        {true, L"C:\\docs\\a.pdf", std::nullopt},  // already a file
        {true, L"C:\\nowhere", std::nullopt},
        {true, L"", std::nullopt},
        {false, L"C:\\docs\\a.pdf", L"C:\\docs"},
        {false, L"C:\\a.pdf", L"C:\\"},           // a file in a drive root leaves the root
        {false, L"C:\\docs\\", std::nullopt},     // a folder stays, separator included
        {false, L"C:\\docs", std::nullopt},
        {false, L"C:\\gone.pdf", std::nullopt},
        {false, L"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.toFile ? PathForFileMode(c.text, fs) : PathForFolderMode(c.text, fs), c.expected)
            << c.toFile << " " << c.text;
}

TEST(PathRules, LengthLimits) {
    FakeLookup fs;
    const std::wstring fits(253, L'f');  // + "\*.pdf" = 259
    const std::wstring tooLong(254, L'g');
    const std::wstring shorter(250, L'h');
    fs.folders = {fits, tooLong, shorter};
    fs.firstPdf = {{fits + L"\\*.pdf", L"ab.pdf"}, {tooLong + L"\\*.pdf", L"a.pdf"}, {shorter + L"\\*.pdf", L"12345678"}};
    EXPECT_EQ(PathForFileMode(tooLong, fs), std::nullopt) << "the pattern would not fit";
    EXPECT_EQ(PathForFileMode(fits, fs), std::nullopt) << "the folder plus the found name would not fit";
    EXPECT_EQ(PathForFileMode(shorter, fs), shorter + L"\\12345678");  // 259

    // Text beyond the 259-character buffer is cut before the lookup.
    const std::wstring file = L"C:\\" + std::wstring(250, L'x') + L"\\y.pdf";
    fs.files = {file};
    EXPECT_EQ(PathForFolderMode(file + L"zzz", fs), L"C:\\" + std::wstring(250, L'x'));
}

TEST(PathRules, RemoveLastElement) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\docs\\a.pdf", L"C:\\docs"}, {L"C:\\a.pdf", L"C:\\"}, {L"\\\\server\\share\\a.pdf", L"\\\\server\\share"},
        {L"\\a.pdf", L"\\"},                {L"a.pdf", L""},        {L"C:a.pdf", L"C:"},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(RemoveLastElement(path), expected) << path;
}
