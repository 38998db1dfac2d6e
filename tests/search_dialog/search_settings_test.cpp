#include "search_dialog/search_settings.h"

#include <gtest/gtest.h>

#include "support/memory_profile.h"

namespace {
const std::wstring S = L"Settings";
const std::wstring CSV = L"Settings\\CSV";
}  // namespace

TEST(SearchSettingsLoad, DefaultsWhenNothingIsStored) {
    const MemoryProfile empty;
    const SearchSettings s = LoadSearchSettings(empty);
    EXPECT_EQ(s.lastSubfolder, 0);
    EXPECT_FALSE(s.folderMode);
    EXPECT_EQ(s.inputName, L"");
    EXPECT_EQ(s.outputFolderName, L"");
    EXPECT_EQ(s.opacity, 10);
    EXPECT_EQ(s.frameWidth, 1u);
    EXPECT_EQ(s.frameColourRgb, 0xFF0000u);
    EXPECT_EQ(s.csvFileName, L"");
    EXPECT_FALSE(s.header || s.fieldFolder || s.fieldFile || s.fieldSearchString);
    EXPECT_FALSE(s.progress || s.createImage || s.closeCommandPrompt);
    EXPECT_EQ(s.imageFormat, 0);
}

TEST(SearchSettingsLoad, StoredValuesAndClamps) {
    MemoryProfile p;
    p.Put(S, L"fileorfolder", 1u);  // names compare without regard to case
    p.Put(S, L"InputName", std::wstring(L"C:\\docs"));
    p.Put(S, L"AlphaValue", static_cast<uint32_t>(-5));
    p.Put(S, L"WidthValue", 0xFFFFFFFFu);
    p.Put(S, L"ColorRefValue", 0x01000000u);
    p.Put(S, L"ImageFormat", 7u);
    p.Put(CSV, L"FieldSString", 42u);
    p.Put(S, L"LastSubfolder", 5u);
    const SearchSettings s = LoadSearchSettings(p);
    EXPECT_TRUE(s.folderMode);
    EXPECT_EQ(s.inputName, L"C:\\docs");
    EXPECT_EQ(s.opacity, 2);
    EXPECT_EQ(s.frameWidth, 100u);
    EXPECT_EQ(s.frameColourRgb, 0xFFFFFFu);
    EXPECT_EQ(s.imageFormat, 7) << "kept as stored; the list then selects nothing";
    EXPECT_TRUE(s.fieldSearchString) << "any non-zero value checks the box";
    EXPECT_EQ(s.lastSubfolder, 5);
}

TEST(SearchSettingsLoad, ModeValuesOtherThanOneMeanFileMode) {
    for (uint32_t stored : {0u, 2u, 99u, 0xFFFFFFFFu}) {
        MemoryProfile p;
        p.Put(S, L"FileOrFolder", stored);
        EXPECT_FALSE(LoadSearchSettings(p).folderMode) << stored;
    }
}

TEST(SearchSettingsLoad, ValuesOfTheWrongTypeCountAsMissing) {
    MemoryProfile p;
    p.Put(S, L"AlphaValue", std::wstring(L"3"));
    p.Put(S, L"InputName", 12u);
    p.Put(S, L"ColorRefValue", std::vector<uint8_t>{0, 0, 0xFF, 0});
    const SearchSettings s = LoadSearchSettings(p);
    EXPECT_EQ(s.opacity, 10);
    EXPECT_EQ(s.inputName, L"");
    EXPECT_EQ(s.frameColourRgb, 0xFF0000u);
}

TEST(SearchSettingsLoad, ColourIsConvertedToRgbForm) {
    MemoryProfile p;
    p.Put(S, L"ColorRefValue", 0xFF0000u);  // blue in COLORREF form
    EXPECT_EQ(LoadSearchSettings(p).frameColourRgb, 0x0000FFu);
}

namespace {
SearchDialogState FolderState() {
    SearchDialogState s;
    s.inputText = L"C:\\docs";
    s.folderModeChecked = true;
    s.subfolderChecked = true;
    s.rememberedSubfolder = 0;
    s.outputFolderText = L"C:\\out";
    s.csvFileNameText = L"result.csv";
    s.header = true;
    s.fieldFile = true;
    s.progress = true;
    s.createImage = true;
    s.imageFormat = 1;
    s.closeCommandPrompt = true;
    return s;
}
}  // namespace

TEST(SearchSettingsSave, WritesEveryValueInOrder) {
    MemoryProfile p;
    SaveSearchSettings(p, FolderState());
    const std::vector<std::wstring> order = {
        L"settings\\lastsubfolder",     L"settings\\fileorfolder",      L"settings\\inputname",
        L"settings\\outputfoldername",  L"settings\\csv\\outputfile",   L"settings\\csv\\header",
        L"settings\\csv\\fieldfolder",  L"settings\\csv\\fieldfile",    L"settings\\csv\\fieldsstring",
        L"settings\\progress",          L"settings\\createimage",       L"settings\\imageformat",
        L"settings\\closecommandprompt"};
    EXPECT_EQ(p.Writes(), order);
    EXPECT_EQ(p.GetInt(S, L"LastSubfolder", 9), 1u);
    EXPECT_EQ(p.GetInt(S, L"FileOrFolder", 9), 1u);
    EXPECT_EQ(p.GetString(S, L"InputName", L"?"), L"C:\\docs");
    EXPECT_EQ(p.GetInt(CSV, L"Header", 9), 1u);
    EXPECT_EQ(p.GetInt(CSV, L"FieldFolder", 9), 0u);
    EXPECT_EQ(p.GetInt(S, L"ImageFormat", 9), 1u);
}

TEST(SearchSettingsSave, FileModeKeepsTheRememberedSubfolderChoice) {
    MemoryProfile p;
    SearchDialogState s = FolderState();
    s.folderModeChecked = false;
    s.fileModeChecked = true;
    s.inputText = L"C:\\docs\\a.pdf";
    s.subfolderChecked = false;
    s.rememberedSubfolder = 1;
    SaveSearchSettings(p, s);
    EXPECT_EQ(p.GetInt(S, L"LastSubfolder", 9), 1u);
    EXPECT_EQ(p.GetInt(S, L"FileOrFolder", 9), 0u);
    EXPECT_EQ(p.GetString(S, L"InputName", L"?"), L"C:\\docs\\a.pdf");
}

TEST(SearchSettingsSave, ShortOrModelessInputIsNotKept) {
    for (const auto& [text, file, folder] : {std::tuple{L"", false, true}, std::tuple{L"C", true, false},
                                             std::tuple{L"C:\\docs", false, false}}) {
        MemoryProfile p;
        SearchDialogState s = FolderState();
        s.inputText = text;
        s.fileModeChecked = file;
        s.folderModeChecked = folder;
        SaveSearchSettings(p, s);
        EXPECT_EQ(p.GetInt(S, L"FileOrFolder", 9), 0u) << text;
        EXPECT_EQ(p.GetString(S, L"InputName", L"?"), L"") << text;
        EXPECT_EQ(p.GetInt(S, L"LastSubfolder", 9), 0u) << text;
        EXPECT_EQ(p.Writes()[0], L"settings\\fileorfolder");
    }
}

TEST(SearchSettingsSave, EmptyFieldsLeaveStoredNamesAndNoSelectionIsMinusOne) {
    MemoryProfile p;
    p.Put(S, L"OutputFolderName", std::wstring(L"C:\\previous"));
    p.Put(CSV, L"OutputFile", std::wstring(L"previous.csv"));
    SearchDialogState s = FolderState();
    s.outputFolderText.clear();
    s.csvFileNameText.clear();
    s.imageFormat = -1;
    SaveSearchSettings(p, s);
    EXPECT_EQ(p.GetString(S, L"OutputFolderName", L"?"), L"C:\\previous");
    EXPECT_EQ(p.GetString(CSV, L"OutputFile", L"?"), L"previous.csv");
    EXPECT_EQ(p.GetInt(S, L"ImageFormat", 9), 0xFFFFFFFFu);
}
