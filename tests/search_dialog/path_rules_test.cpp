#include "search_dialog/path_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace {
// A small file system: folders and files by full path, Windows style.
class FakeLookup final : public PathLookup {
public:
    std::set<std::wstring> folders;
    std::map<std::wstring, std::wstring> firstPdf;  // pattern -> name
    std::set<std::wstring> files;

    std::optional<bool> IsFolder(const std::wstring& path) const override {
        if (folders.count(path)) return true;
        if (files.count(path)) return false;
        return std::nullopt;
    }
    std::optional<std::wstring> FirstPdfFile(const std::wstring& pattern) const override {
        const auto it = firstPdf.find(pattern);
        if (it == firstPdf.end()) return std::nullopt;
        return it->second;
    }
};

FakeLookup Sample() {
    FakeLookup fs;
    fs.folders = {L"C:\\docs", L"C:\\empty", L"D:"};
    fs.files = {L"C:\\docs\\a.pdf", L"C:\\a.pdf", L"D:\\b.pdf"};
    fs.firstPdf = {{L"C:\\docs\\*.pdf", L"a.pdf"}, {L"D:\\*.pdf", L"b.pdf"}};
    return fs;
}

struct Case {
    const wchar_t* text;
    std::optional<std::wstring> expected;  // nothing: the field keeps its text
};
}  // namespace

TEST(PathRules, FileModeFromFolderMode) {
    const FakeLookup fs = Sample();
    const Case cases[] = {
        {L"C:\\docs", L"C:\\docs\\a.pdf"},
        {L"C:\\docs\\", L"C:\\docs\\a.pdf"},
        {L"C:\\docs/", L"C:\\docs\\a.pdf"},
        {L"D:\\", L"D:\\b.pdf"},          // a drive root picked as the folder
        {L"C:\\empty", L""},              // a folder without PDF files
        {L"C:\\docs\\a.pdf", std::nullopt},  // already a file
        {L"C:\\nowhere", std::nullopt},    // names nothing
        {L"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(PathForFileMode(c.text, fs), c.expected) << c.text;
}

TEST(PathRules, FolderModeFromFileMode) {
    const FakeLookup fs = Sample();
    const Case cases[] = {
        {L"C:\\docs\\a.pdf", L"C:\\docs"},
        {L"C:\\a.pdf", L"C:\\"},          // a file in a drive root leaves the root
        {L"C:\\docs\\", std::nullopt},    // a folder stays, separator included
        {L"C:\\docs", std::nullopt},
        {L"C:\\gone.pdf", std::nullopt},  // names nothing
        {L"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(PathForFolderMode(c.text, fs), c.expected) << c.text;
}

TEST(PathRules, LengthLimits) {
    FakeLookup fs;
    const std::wstring fits(253, L'f');  // + "\*.pdf" = 259
    const std::wstring tooLong(254, L'g');
    fs.folders = {fits, tooLong};
    fs.firstPdf = {{fits + L"\\*.pdf", L"ab.pdf"}, {tooLong + L"\\*.pdf", L"a.pdf"}};
    EXPECT_EQ(PathForFileMode(tooLong, fs), std::nullopt) << "the pattern would not fit";
    // The pattern fits, but the folder plus the found name does not.
    EXPECT_EQ(PathForFileMode(fits, fs), std::nullopt);

    const std::wstring shorter(250, L'h');
    fs.folders.insert(shorter);
    fs.firstPdf[shorter + L"\\*.pdf"] = L"12345678";  // 250 + 1 + 8 = 259
    EXPECT_EQ(PathForFileMode(shorter, fs), shorter + L"\\12345678");
}

TEST(PathRules, TextBeyondTheBufferIsCutBeforeTheLookup) {
    FakeLookup fs;
    const std::wstring file = L"C:\\" + std::wstring(250, L'x') + L"\\y.pdf";  // 259 characters
    ASSERT_EQ(file.size(), 259u);
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
