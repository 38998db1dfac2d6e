// Each stored value reaches its control, and what the control then holds is
// stored when the program closes: on the real registry.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"

namespace {
using namespace program_registry;

enum class Kind { Box, Text, List, Mode };
struct Stored {
    const std::wstring& section;
    const wchar_t* name;
    int control;
    Kind kind;
    const wchar_t* stored;
    const wchar_t* shown;
    const wchar_t* changed;  // none: left as shown
};
// The boxes come first: with one of them stored, all others must show clear.
constexpr size_t kBoxes = 8;
const Stored kValues[] = {
    {kCsv, L"Header", IDC_CSV_HEADER, Kind::Box, L"1", L"1", L"0"},
    {kCsv, L"FieldFolder", IDC_CSV_FOLDER, Kind::Box, L"1", L"1", L"0"},
    {kCsv, L"FieldFile", IDC_CSV_FILE, Kind::Box, L"1", L"1", L"0"},
    {kCsv, L"FieldSString", IDC_CSV_SEARCH_STRING, Kind::Box, L"1", L"1", L"0"},
    {kSettings, L"Progress", IDC_PROGRESS, Kind::Box, L"1", L"1", L"0"},
    {kSettings, L"CreateImage", IDC_CREATE_IMAGE, Kind::Box, L"1", L"1", L"0"},
    {kSettings, L"CloseCommandPrompt", IDC_CLOSE_PROMPT, Kind::Box, L"1", L"1", L"0"},
    {kSettings, L"LastSubfolder", IDC_SUBFOLDERS, Kind::Box, L"1", L"1", L"0"},
    {kSettings, L"InputName", IDC_INPUT_PATH, Kind::Text, L"C:\\stored", L"C:\\stored", L"C:\\changed"},
    {kSettings, L"OutputFolderName", IDC_OUTPUT_FOLDER, Kind::Text, L"D:\\stored", L"D:\\stored", L"D:\\changed"},
    {kCsv, L"OutputFile", IDC_CSV_FILE_NAME, Kind::Text, L"一覧.csv", L"一覧.csv", L"別の.csv"},
    {kSettings, L"ImageFormat", IDC_IMAGE_FORMAT, Kind::List, L"2", L"2", L"1"},
    {kSettings, L"ImageFormat", IDC_IMAGE_FORMAT, Kind::List, L"7", L"-1", nullptr},  // names no item
    {kSettings, L"FileOrFolder", IDC_RADIO_FOLDER, Kind::Mode, L"1", L"1", L"0"},
};

void Store(const Stored& v) {
    if (v.kind == Kind::Text) Write(v.section, v.name, std::wstring(v.stored));
    else Write(v.section, v.name, static_cast<DWORD>(std::stol(v.stored)));
}

std::wstring Shown(const ProgramUnderTest& program, const Stored& v) {
    if (v.kind == Kind::Text) return program.Text(v.control);
    if (v.kind == Kind::List) return std::to_wstring(program.ComboSelection(v.control));
    return program.IsChecked(v.control) ? L"1" : L"0";
}

void Change(const ProgramUnderTest& program, const Stored& v) {
    if (v.kind == Kind::Text) program.SetText(v.control, v.changed);
    else if (v.kind == Kind::List) program.Select(v.control, std::stoi(v.changed));
    else program.Click(v.kind == Kind::Mode ? IDC_RADIO_FILE : v.control);
}

std::wstring Saved(const Stored& v) {
    if (v.kind == Kind::Text) return ReadString(v.section, v.name).value_or(L"<none>");
    const auto value = ReadInt(v.section, v.name);
    return value ? std::to_wstring(static_cast<int32_t>(*value)) : L"<none>";
}
}  // namespace

TEST(SettingsMemory, EachValueReachesItsControlAndIsStoredBackOnClosing) {
    const std::wstring neverStored = L"the search string";
    for (size_t i = 0; i < std::size(kValues); ++i) {
        const Stored& v = kValues[i];
        SCOPED_TRACE(testing::PrintToString(std::wstring(v.name)) + " = " + testing::PrintToString(std::wstring(v.stored)));
        ProgramUnderTest program;
        // Folder mode and an output folder, so that every box can be used.
        Write(kSettings, L"FileOrFolder", 1);
        Write(kSettings, L"InputName", L"C:\\in");
        Write(kSettings, L"OutputFolderName", L"C:\\out");
        Store(v);
        program.Start();
        const bool box = i < kBoxes;
        // A box is then cleared and the next one checked, so that no two boxes share a value.
        const Stored* checked = box ? &kValues[(i + 1) % kBoxes] : nullptr;
        for (size_t j = 0; j < (box ? kBoxes : 0); ++j)
            EXPECT_EQ(Shown(program, kValues[j]), j == i ? L"1" : L"0") << kValues[j].control;
        if (!box) EXPECT_EQ(Shown(program, v), v.shown);
        if (v.changed) Change(program, v);
        if (checked) program.Click(checked->control);
        program.SetText(IDC_SEARCH_STRING, neverStored);
        ASSERT_TRUE(program.Close());
        for (size_t j = 0; j < (box ? kBoxes : 0); ++j)
            EXPECT_EQ(Saved(kValues[j]), &kValues[j] == checked ? L"1" : L"0") << kValues[j].control;
        if (!box) EXPECT_EQ(Saved(v), v.changed ? v.changed : v.shown);
        EXPECT_FALSE(HoldsText(TakeSnapshot(), neverStored));
    }
}
