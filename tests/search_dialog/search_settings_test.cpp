#include "search_dialog/search_settings.h"

#include <gtest/gtest.h>

#include "support/memory_profile.h"

namespace {
const std::wstring S = L"Settings", CSV = L"Settings\\CSV";
}  // namespace

TEST(SearchSettings, LoadReadsModeChecksAndFormatAsStored) {
    MemoryProfile p;
    EXPECT_FALSE(LoadSearchSettings(p).folderMode) << "nothing stored: file mode";
    p.Put(S, L"InputName", std::wstring(L"C:\\docs"));
    p.Put(S, L"OutputFolderName", 12u);  // the wrong type counts as missing
    p.Put(S, L"ImageFormat", 7u);
    p.Put(CSV, L"FieldSString", 42u);
    p.Put(S, L"LastSubfolder", 5u);
    p.Put(S, L"WidthValue", 0u);
    const SearchSettings s = LoadSearchSettings(p);
    EXPECT_EQ(std::tuple(s.inputName, s.outputFolderName, s.imageFormat, s.lastSubfolder, s.frameWidth, s.frameColourRgb),
              std::tuple(std::wstring(L"C:\\docs"), std::wstring(), 7, 5, 1u, 0xFF0000u));
    EXPECT_TRUE(s.switches.fieldSearchString) << "any non-zero value checks the box";
    for (uint32_t stored : {0u, 1u, 2u, 0xFFFFFFFFu}) {
        p.Put(S, L"FileOrFolder", stored);
        EXPECT_EQ(LoadSearchSettings(p).folderMode, stored == 1) << stored;
    }
}

TEST(SearchSettings, SaveKeepsTheInputOnlyWithAModeAndTwoCharacters) {
    struct Case { const wchar_t* text; bool file, folder; uint32_t mode; const wchar_t* kept; uint32_t subfolder; };
    const Case cases[] = {
        {L"C:\\docs", false, true, 1, L"C:\\docs", 1},  // the checkbox
        {L"C:", true, false, 0, L"C:", 2},              // the remembered choice
        {L"C", true, false, 0, L"", 0},
        {L"C:\\docs", false, false, 0, L"", 0},
    };
    for (const Case& c : cases) {
        SearchDialogState s;
        s.inputText = c.text;
        s.fileModeChecked = c.file;
        s.folderModeChecked = c.folder;
        s.subfolderChecked = true;
        s.rememberedSubfolder = 2;
        s.switches.header = true;
        s.imageFormat = -1;
        MemoryProfile p;
        p.Put(S, L"OutputFolderName", std::wstring(L"C:\\previous"));  // an emptied field keeps it
        SaveSearchSettings(p, s);
        EXPECT_EQ(std::tuple(p.GetInt(S, L"FileOrFolder", 9), p.GetString(S, L"InputName", L"?"), p.GetInt(S, L"LastSubfolder", 9)),
                  std::tuple(c.mode, std::wstring(c.kept), c.subfolder)) << c.text;
        EXPECT_EQ(std::tuple(p.GetString(S, L"OutputFolderName", L"?"), p.GetString(CSV, L"OutputFile", L"?"),
                             p.GetInt(S, L"ImageFormat", 9), p.GetInt(CSV, L"Header", 9), p.GetInt(CSV, L"FieldFile", 9)),
                  std::tuple(std::wstring(L"C:\\previous"), std::wstring(L"?"), 0xFFFFFFFFu, 1u, 0u));
    }
}
