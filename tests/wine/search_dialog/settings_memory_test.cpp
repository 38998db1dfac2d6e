// The search dialog comes back as it was left, on the real registry.
#include <gtest/gtest.h>

#include <memory>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/recorder_files.h"

namespace {
const std::wstring S = L"Settings";
const std::wstring CSV = L"Settings\\CSV";

struct StoredValue {
    std::wstring section, name;
    DWORD type;
    std::vector<BYTE> data;
};

std::vector<StoredValue> ReadSection(const std::wstring& section) {
    std::vector<StoredValue> values;
    HKEY key = nullptr;
    const std::wstring path = L"Software\\Rudedode\\Vivevav\\" + section;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD nameLength = 256, type = 0, size = 4096;
        std::vector<BYTE> data(size);
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) break;
        data.resize(size);
        values.push_back({section, name, type, data});
    }
    RegCloseKey(key);
    return values;
}

// Closes the program the way a user does and starts it again on what it stored.
void Restart(std::unique_ptr<ProgramUnderTest>& program, bool withRecorder = false) {
    PostMessageW(program->Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program->WaitForExit());
    std::vector<StoredValue> stored = ReadSection(S);
    for (auto& v : ReadSection(CSV)) stored.push_back(v);
    program = std::make_unique<ProgramUnderTest>(withRecorder);  // starts from a clean key
    for (const auto& v : stored) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, (L"Software\\Rudedode\\Vivevav\\" + v.section).c_str(), 0, nullptr, 0,
                        KEY_SET_VALUE, nullptr, &key, nullptr);
        RegSetValueExW(key, v.name.c_str(), 0, v.type, v.data.data(), static_cast<DWORD>(v.data.size()));
        RegCloseKey(key);
    }
    program->Start();
}
}  // namespace

TEST(SettingsMemory, EveryChoiceComesBack) {
    auto program = std::make_unique<ProgramUnderTest>();
    program_registry::WriteString(S, L"OutputFolderName", L"C:\\out");
    program->Start();
    program->Click(IDC_RADIO_FOLDER);
    program->Click(IDC_SUBFOLDERS);
    program->SetText(IDC_INPUT_PATH, L"C:\\docs");
    program->SetText(IDC_CSV_FILE_NAME, L"一覧.csv");
    for (int box : {IDC_CSV_HEADER, IDC_CSV_FILE, IDC_PROGRESS, IDC_CLOSE_PROMPT, IDC_CREATE_IMAGE})
        program->Click(box);
    SendMessageW(program->Item(IDC_IMAGE_FORMAT), CB_SETCURSEL, 2, 0);
    Restart(program);

    EXPECT_TRUE(program->IsChecked(IDC_RADIO_FOLDER));
    EXPECT_TRUE(program->IsEnabled(IDC_SUBFOLDERS));
    EXPECT_TRUE(program->IsChecked(IDC_SUBFOLDERS));
    EXPECT_EQ(program->Text(IDC_INPUT_PATH), L"C:\\docs");
    EXPECT_EQ(program->Text(IDC_OUTPUT_FOLDER), L"C:\\out");
    EXPECT_EQ(program->Text(IDC_CSV_FILE_NAME), L"一覧.csv");
    for (int box : {IDC_CSV_HEADER, IDC_CSV_FILE, IDC_PROGRESS, IDC_CLOSE_PROMPT, IDC_CREATE_IMAGE})
        EXPECT_TRUE(program->IsChecked(box)) << box;
    for (int box : {IDC_CSV_FOLDER, IDC_CSV_SEARCH_STRING}) EXPECT_FALSE(program->IsChecked(box)) << box;
    EXPECT_TRUE(program->IsEnabled(IDC_IMAGE_FORMAT));
    EXPECT_EQ(program->ComboSelection(IDC_IMAGE_FORMAT), 2);
    EXPECT_EQ(program->Text(IDC_SEARCH_STRING), L"") << "the search string is never stored";
}

TEST(SettingsMemory, EmptiedNamesKeepThePreviousOnes) {
    auto program = std::make_unique<ProgramUnderTest>();
    program_registry::WriteString(S, L"OutputFolderName", L"C:\\out");
    program_registry::WriteString(CSV, L"OutputFile", L"previous.csv");
    program->Start();
    program->SetText(IDC_OUTPUT_FOLDER, L"");
    program->SetText(IDC_CSV_FILE_NAME, L"");
    Restart(program);
    EXPECT_EQ(program->Text(IDC_OUTPUT_FOLDER), L"C:\\out");
    EXPECT_EQ(program->Text(IDC_CSV_FILE_NAME), L"previous.csv");
}

TEST(SettingsMemory, FolderModeWithoutAPathIsNotKept) {
    auto program = std::make_unique<ProgramUnderTest>();
    program->Start();
    program->Click(IDC_RADIO_FOLDER);
    program->Click(IDC_SUBFOLDERS);
    Restart(program);
    EXPECT_TRUE(program->IsChecked(IDC_RADIO_FILE));
    program->Click(IDC_RADIO_FOLDER);
    EXPECT_FALSE(program->IsChecked(IDC_SUBFOLDERS));
}

TEST(SettingsMemory, SubfolderChoiceSurvivesFileModeAndARestart) {
    auto program = std::make_unique<ProgramUnderTest>();
    program->Start();
    program->Click(IDC_RADIO_FOLDER);
    program->SetText(IDC_INPUT_PATH, L"C:\\no such place\\a.pdf");
    program->Click(IDC_SUBFOLDERS);
    program->Click(IDC_RADIO_FILE);
    Restart(program);
    EXPECT_TRUE(program->IsChecked(IDC_RADIO_FILE));
    EXPECT_FALSE(program->IsChecked(IDC_SUBFOLDERS));
    program->Click(IDC_RADIO_FOLDER);
    EXPECT_TRUE(program->IsChecked(IDC_SUBFOLDERS));
}

TEST(SettingsMemory, UnknownImageFormatStaysUnselected) {
    auto program = std::make_unique<ProgramUnderTest>();
    program_registry::WriteInt(S, L"ImageFormat", 7);
    program->Start();
    EXPECT_EQ(program->ComboSelection(IDC_IMAGE_FORMAT), -1);
    Restart(program);
    EXPECT_EQ(program->ComboSelection(IDC_IMAGE_FORMAT), -1);
    PostMessageW(program->Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program->WaitForExit());
    EXPECT_EQ(program_registry::ReadInt(S, L"ImageFormat"), 0xFFFFFFFFu);
}

// The image values are only visible in the search line: clamped when read,
// and a value of the wrong type counts as missing.
TEST(SettingsMemory, StoredImageValuesAreClampedIntoTheSearchLine) {
    struct Case {
        const wchar_t* name;
        DWORD value;
        bool asText;
        std::vector<std::wstring> pieces;
    };
    const Case cases[] = {
        {L"AlphaValue", 1, false, {L"-a", L"2", L"-C", L"FF0000"}},
        {L"AlphaValue", static_cast<DWORD>(-5), false, {L"-a", L"2", L"-C", L"FF0000"}},
        {L"AlphaValue", 11, false, {L"-C", L"FF0000"}},
        {L"AlphaValue", 3, true, {L"-C", L"FF0000"}},
        {L"WidthValue", 0, false, {L"-C", L"FF0000"}},
        {L"WidthValue", 101, false, {L"-w", L"100", L"-C", L"FF0000"}},
        {L"WidthValue", 0xFFFFFFFF, false, {L"-w", L"100", L"-C", L"FF0000"}},
        {L"ColorRefValue", 0x01000000, false, {L"-C", L"FFFFFF"}},
        {L"ColorRefValue", 0xFF0000, false, {L"-C", L"FF"}},
    };
    RecorderFiles recorder;
    size_t runs = 0;
    for (const Case& c : cases) {
        ProgramUnderTest program(/*withRecorder=*/true);
        program_registry::WriteInt(S, L"CloseCommandPrompt", 1);
        program_registry::WriteInt(S, L"ImageFormat", 0xFFFFFFFF);
        program_registry::WriteString(S, L"InputName", L"C:\\docs");
        for (const wchar_t* box : {L"Header", L"FieldFolder", L"FieldFile", L"FieldSString"})
            program_registry::WriteInt(CSV, box, 1);
        if (c.asText) program_registry::WriteString(S, c.name, std::to_wstring(c.value));
        else program_registry::WriteInt(S, c.name, c.value);
        program.Start();
        program.SetText(IDC_SEARCH_STRING, L"x");
        PostMessageW(program.Item(IDC_SEARCH), BM_CLICK, 0, 0);
        const auto records = recorder.WaitForRecords(++runs);
        ASSERT_EQ(records.size(), runs);
        ASSERT_TRUE(WaitForEnabled(program.Dialog(), true));
        std::vector<std::wstring> expected = c.pieces;
        expected.insert(expected.end(), {L"x", L"C:\\docs"});
        EXPECT_EQ(records.back().args, expected) << ::testing::PrintToString(std::wstring(c.name)) << " " << c.value;
    }
}
