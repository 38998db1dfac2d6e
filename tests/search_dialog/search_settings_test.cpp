#include "search_dialog/search_settings.h"

#include <gtest/gtest.h>

#include "support/memory_profile.h"

namespace {
const std::wstring S = L"Settings";
const std::wstring CSV = L"Settings\\CSV";
}  // namespace

TEST(SearchSettingsLoad, DefaultsWhenNothingIsStored) {
    const SearchSettings s = LoadSearchSettings(MemoryProfile());
    EXPECT_EQ(s.lastSubfolder, 0);
    EXPECT_FALSE(s.folderMode);
    EXPECT_EQ(s.inputName + s.outputFolderName + s.csvFileName, L"");
    EXPECT_EQ(s.opacity, 10);
    EXPECT_EQ(s.frameWidth, 1u);
    EXPECT_EQ(s.frameColourRgb, 0xFF0000u);
    EXPECT_FALSE(s.switches.header || s.switches.fieldFolder || s.switches.fieldFile || s.switches.fieldSearchString);
    EXPECT_FALSE(s.switches.progress || s.switches.createImage || s.switches.closeCommandPrompt);
    EXPECT_EQ(s.imageFormat, 0);
}

TEST(SearchSettingsLoad, StoredValues) {
    MemoryProfile p;
    p.Put(S, L"fileorfolder", 1u);  // names compare without regard to case
    p.Put(S, L"InputName", std::wstring(L"C:\\docs"));
    p.Put(S, L"OutputFolderName", 12u);  // the wrong type counts as missing
    p.Put(S, L"ImageFormat", 7u);
    p.Put(CSV, L"FieldSString", 42u);
    p.Put(S, L"LastSubfolder", 5u);
    const SearchSettings s = LoadSearchSettings(p);
    EXPECT_TRUE(s.folderMode);
    EXPECT_EQ(s.inputName, L"C:\\docs");
    EXPECT_EQ(s.outputFolderName, L"");
    EXPECT_EQ(s.imageFormat, 7) << "kept as stored; the list then selects nothing";
    EXPECT_TRUE(s.switches.fieldSearchString) << "any non-zero value checks the box";
    EXPECT_EQ(s.lastSubfolder, 5);
    for (uint32_t stored : {0u, 2u, 99u, 0xFFFFFFFFu}) {
        p.Put(S, L"FileOrFolder", stored);
        EXPECT_FALSE(LoadSearchSettings(p).folderMode) << stored;
    }
}

TEST(SearchSettingsLoad, ImageValuesAreClampedAndWrongTypesCountAsMissing) {
    struct Case {
        const wchar_t* name;
        MemoryProfile::Value stored;
        int32_t opacity;
        uint32_t width, rgb;
    };
    const Case cases[] = {
        {L"AlphaValue", 1u, 2, 1, 0xFF0000},          {L"AlphaValue", 2u, 2, 1, 0xFF0000},
        {L"AlphaValue", 10u, 10, 1, 0xFF0000},        {L"AlphaValue", 11u, 10, 1, 0xFF0000},
        {L"AlphaValue", 0xFFFFFFFBu, 2, 1, 0xFF0000}, {L"AlphaValue", std::wstring(L"3"), 10, 1, 0xFF0000},
        {L"WidthValue", 0u, 10, 1, 0xFF0000},         {L"WidthValue", 100u, 10, 100, 0xFF0000},
        {L"WidthValue", 101u, 10, 100, 0xFF0000},     {L"WidthValue", 0xFFFFFFFFu, 10, 100, 0xFF0000},
        {L"ColorRefValue", 0xFF0000u, 10, 1, 0xFF},   // blue in COLORREF form
        {L"ColorRefValue", 0xFFFFFFu, 10, 1, 0xFFFFFF}, {L"ColorRefValue", 0x01000000u, 10, 1, 0xFFFFFF},
        {L"ColorRefValue", std::vector<uint8_t>{0, 0, 0xFF, 0}, 10, 1, 0xFF0000},
    };
    for (const Case& c : cases) {
        MemoryProfile p;
        p.Put(S, c.name, c.stored);
        const SearchSettings s = LoadSearchSettings(p);
        EXPECT_EQ(std::tuple(s.opacity, s.frameWidth, s.frameColourRgb), std::tuple(c.opacity, c.width, c.rgb))
            << testing::PrintToString(std::wstring(c.name)) << " " << testing::PrintToString(c.stored);
    }
}

namespace {
SearchDialogState FolderState() {
    SearchDialogState s;
    s.inputText = L"C:\\docs";
    s.folderModeChecked = s.subfolderChecked = true;
    s.rememberedSubfolder = 2;
    s.outputFolderText = L"C:\\out";
    s.csvFileNameText = L"result.csv";
    s.switches.header = s.switches.fieldFile = s.switches.progress = s.switches.createImage = s.switches.closeCommandPrompt = true;
    s.imageFormat = 1;
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
    EXPECT_EQ(p.GetString(S, L"OutputFolderName", L"?") + p.GetString(CSV, L"OutputFile", L"?"), L"C:\\outresult.csv");
    EXPECT_EQ(p.GetInt(CSV, L"Header", 9), 1u);
    EXPECT_EQ(p.GetInt(CSV, L"FieldFolder", 9), 0u);
    EXPECT_EQ(p.GetInt(S, L"ImageFormat", 9), 1u);
}

TEST(SearchSettingsSave, InputIsKeptOnlyWithAModeAndTwoCharacters) {
    struct Case {
        const wchar_t* text;
        bool file, folder;
        uint32_t mode;
        const wchar_t* kept;
        uint32_t subfolder;
    };
    const Case cases[] = {
        {L"C:\\docs", false, true, 1, L"C:\\docs", 1},             // the checkbox
        {L"C:\\docs\\a.pdf", true, false, 0, L"C:\\docs\\a.pdf", 2},  // the remembered choice
        {L"C:", true, false, 0, L"C:", 2},
        {L"", false, true, 0, L"", 0},
        {L"C", true, false, 0, L"", 0},
        {L"C:\\docs", false, false, 0, L"", 0},
    };
    for (const Case& c : cases) {
        MemoryProfile p;
        SearchDialogState s = FolderState();
        s.inputText = c.text;
        s.fileModeChecked = c.file;
        s.folderModeChecked = c.folder;
        SaveSearchSettings(p, s);
        EXPECT_EQ(p.GetInt(S, L"FileOrFolder", 9), c.mode) << c.text;
        EXPECT_EQ(p.GetString(S, L"InputName", L"?"), c.kept) << c.text;
        EXPECT_EQ(p.GetInt(S, L"LastSubfolder", 9), c.subfolder) << c.text;
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
