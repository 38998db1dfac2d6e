// UTF-8 and UTF-16 both ways, and paths in the extended form that opens
// them whatever their length.
#include <gtest/gtest.h>
#include <windows.h>

#include "platform/long_path_windows.h"
#include "platform/wide_text_windows.h"

namespace zuvediv {
namespace {

TEST(WideText, BothWaysAndWhatIsNotTextBecomesTheReplacementCharacter) {
    EXPECT_EQ(wide_from_utf8("請求書 𠮷野家 café"), L"請求書 \U00020BB7野家 café");
    EXPECT_EQ(utf8_from_wide(L"請求書 \U00020BB7野家 café"), "請求書 𠮷野家 café");
    EXPECT_EQ(wide_from_utf8(""), L"");
    EXPECT_EQ(wide_from_utf8("a\xFF" "b"), L"a\uFFFDb");
    EXPECT_EQ(utf8_from_wide(std::wstring(L"a") + wchar_t(0xD800) + L"b"), "a\uFFFDb") << "an unpaired surrogate";
}

std::wstring current_folder() {
    wchar_t folder[MAX_PATH];
    const DWORD length = GetCurrentDirectoryW(MAX_PATH, folder);
    return std::wstring(folder, length);
}

TEST(ExtendedPath, AbsoluteNormalAndExtended) {
    const std::wstring here = current_folder();
    const std::wstring here_with_separator = here.back() == L'\\' ? here : here + L"\\";
    const struct {
        const char* given;
        std::wstring extended;
    } cases[] = {
        {"C:\\Docs\\a.pdf", L"\\\\?\\C:\\Docs\\a.pdf"},
        {"C:/Docs/./sub/../請求書 𠮷.pdf", L"\\\\?\\C:\\Docs\\請求書 \U00020BB7.pdf"},
        {"\\\\server\\share\\a.pdf", L"\\\\?\\UNC\\server\\share\\a.pdf"},
        {"\\\\?\\C:\\kept\\..\\as given", L"\\\\?\\C:\\kept\\..\\as given"},
        {"sub\\a.pdf", L"\\\\?\\" + here_with_separator + L"sub\\a.pdf"},
    };
    for (const auto& c : cases) EXPECT_EQ(extended_path(c.given), c.extended) << c.given;
}

}  // namespace
}  // namespace zuvediv
