#include "search_dialog/search_settings.h"

#include <gtest/gtest.h>

#include "support/memory_profile.h"

namespace {
const std::wstring S = L"Settings", CSV = L"Settings\\CSV";
}  // namespace

// The mode's reading is shown under Wine.
TEST(SearchSettings, LoadReadsChecksAndFormatAsStored) {
    MemoryProfile p;
    p.Put(S, L"InputName", std::wstring(L"C:\\docs"));
    p.Put(S, L"ImageFormat", 7u);
    p.Put(CSV, L"FieldSString", 42u);
    p.Put(S, L"LastSubfolder", 5u);
    const SearchSettings s = LoadSearchSettings(p);
    EXPECT_EQ(std::tuple(s.inputName, s.imageFormat, s.lastSubfolder, s.frameWidth, s.frameColourRgb),
              std::tuple(std::wstring(L"C:\\docs"), 7, 5, 1u, 0xFF0000u));
    EXPECT_TRUE(s.switches.fieldSearchString) << "any non-zero value checks the box";
}

TEST(SearchSettings, SaveKeepsTheInputOnlyWithAModeAndTwoCharacters) {
    struct Case { const char* name; const wchar_t* text; bool fileMode, folderMode; const wchar_t* keptInput; uint32_t storedMode, storedSubfolder; };
    // The subfolder box is checked, the remembered choice is 2.
    const Case cases[] = {
        {"folder mode stores the box", L"C:\\docs", false, true, L"C:\\docs", 1, 1},
        {"file mode stores the remembered choice", L"C:", true, false, L"C:", 0, 2},
        {"one character is not kept", L"C", true, false, L"", 0, 0},
        {"no mode keeps nothing", L"C:\\docs", false, false, L"", 0, 0},
    };
    for (const Case& c : cases) {
        SearchDialogState s;
        s.inputText = c.text;
        s.fileModeChecked = c.fileMode;
        s.folderModeChecked = c.folderMode;
        s.subfolderChecked = true;
        s.rememberedSubfolder = 2;
        s.switches.header = true;
        s.imageFormat = -1;
        MemoryProfile p;
        p.Put(S, L"OutputFolderName", std::wstring(L"C:\\previous"));  // an emptied field keeps it
        SaveSearchSettings(p, s);
        EXPECT_EQ(std::tuple(p.GetInt(S, L"FileOrFolder", 9), p.GetString(S, L"InputName", L"?"), p.GetInt(S, L"LastSubfolder", 9)),
                  std::tuple(c.storedMode, std::wstring(c.keptInput), c.storedSubfolder)) << c.name;
        EXPECT_EQ(std::tuple(p.GetString(S, L"OutputFolderName", L"?"), p.GetString(CSV, L"OutputFile", L"?"),
                             p.GetInt(S, L"ImageFormat", 9), p.GetInt(CSV, L"Header", 9), p.GetInt(CSV, L"FieldFile", 9)),
                  std::tuple(std::wstring(L"C:\\previous"), std::wstring(L"?"), 0xFFFFFFFFu, 1u, 0u));
    }
}
