// Each stored value reaches its control, and what the control then holds is
// stored when the program closes: on the real registry.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"

namespace {
using namespace program_registry;

struct Stored {
    const std::wstring& section;
    const wchar_t* name;
    int control;
};
const Stored kBoxes[] = {
    {kCsv, L"Header", IDC_CSV_HEADER},           {kCsv, L"FieldFolder", IDC_CSV_FOLDER},
    {kCsv, L"FieldFile", IDC_CSV_FILE},          {kCsv, L"FieldSString", IDC_CSV_SEARCH_STRING},
    {kSettings, L"Progress", IDC_PROGRESS},      {kSettings, L"CreateImage", IDC_CREATE_IMAGE},
    {kSettings, L"CloseCommandPrompt", IDC_CLOSE_PROMPT}, {kSettings, L"LastSubfolder", IDC_SUBFOLDERS},
};
const Stored kTexts[] = {
    {kSettings, L"InputName", IDC_INPUT_PATH},
    {kSettings, L"OutputFolderName", IDC_OUTPUT_FOLDER},
    {kCsv, L"OutputFile", IDC_CSV_FILE_NAME},
};
}  // namespace

// Box k is checked in pattern p when bit p of k + 1 is set: no two boxes
// share their states over the patterns, so a swap shows; each is then flipped.
TEST(SettingsMemory, EachBoxComesBackAndItsFlipIsStored) {
    for (int bit = 0; bit < 4; ++bit) {
        const auto checked = [&](size_t k) { return (((k + 1) >> bit) & 1) != 0; };
        ProgramUnderTest program;
        Write(kSettings, L"FileOrFolder", 1);  // folder mode and an output folder: every box can be used
        Write(kSettings, L"InputName", L"C:\\in");
        Write(kSettings, L"OutputFolderName", L"C:\\out");
        for (size_t k = 0; k < std::size(kBoxes); ++k) Write(kBoxes[k].section, kBoxes[k].name, DWORD(checked(k)));
        program.Start();
        for (size_t k = 0; k < std::size(kBoxes); ++k) {
            EXPECT_EQ(program.IsChecked(kBoxes[k].control), checked(k)) << "pattern " << bit << ", box " << k;
            program.Click(kBoxes[k].control);
        }
        ASSERT_TRUE(program.Close());
        for (size_t k = 0; k < std::size(kBoxes); ++k)
            EXPECT_EQ(ReadInt(kBoxes[k].section, kBoxes[k].name), DWORD(!checked(k))) << "pattern " << bit << ", box " << k;
    }
}

TEST(SettingsMemory, TextsModeAndFormatComeBackTheChangedOnesAreStoredAndTheBoxesFollowTheirRules) {
    const std::wstring neverStored = L"the search string";
    ProgramUnderTest program;
    Write(kSettings, L"FileOrFolder", 1);
    Write(kSettings, L"ImageFormat", 2);
    for (const Stored& t : kTexts) Write(t.section, t.name, std::wstring(L"C:\\stored ") + t.name);
    program.Start();
    EXPECT_TRUE(program.IsChecked(IDC_RADIO_FOLDER));
    EXPECT_EQ(program.ComboSelection(IDC_IMAGE_FORMAT), 2);
    for (const Stored& t : kTexts) {
        EXPECT_EQ(program.Text(t.control), std::wstring(L"C:\\stored ") + t.name);
        program.SetText(t.control, std::wstring(L"D:\\変更 ") + t.name);
    }
    for (bool on : {true, false}) {
        program.Click(IDC_CREATE_IMAGE);
        EXPECT_EQ(program.IsEnabled(IDC_IMAGE_FORMAT), on) << "the format list follows the box";
    }
    SendMessageW(program.Item(IDC_IMAGE_FORMAT), CB_SETCURSEL, 1, 0);
    program.Click(IDC_RADIO_FILE);
    program.SetText(IDC_SEARCH_STRING, neverStored);
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(ReadInt(kSettings, L"FileOrFolder"), 0u);
    EXPECT_EQ(ReadInt(kSettings, L"ImageFormat"), 1u);
    for (const Stored& t : kTexts) EXPECT_EQ(ReadString(t.section, t.name), std::wstring(L"D:\\変更 ") + t.name);
    EXPECT_FALSE(HoldsText(TakeSnapshot(), neverStored));

    // A stored choice to create images needs a stored folder of two characters,
    // but the format list follows the stored choice.
    Write(kSettings, L"ImageFormat", 7);  // names no item
    Write(kSettings, L"OutputFolderName", L"C");
    for (const wchar_t* box : {L"CreateImage", L"Progress", L"CloseCommandPrompt"}) Write(kSettings, box, 1);
    program.Start();
    EXPECT_EQ(program.ComboSelection(IDC_IMAGE_FORMAT), -1);
    EXPECT_FALSE(program.IsEnabled(IDC_CREATE_IMAGE) || program.IsChecked(IDC_CREATE_IMAGE));
    EXPECT_TRUE(program.IsEnabled(IDC_IMAGE_FORMAT));
    program.SetText(IDC_CSV_FILE_NAME, L"");
    EXPECT_FALSE(program.IsChecked(IDC_PROGRESS)) << "no progress without a CSV file";
    program.SetText(IDC_OUTPUT_FOLDER, L"");
    EXPECT_FALSE(program.IsChecked(IDC_CLOSE_PROMPT)) << "the console stays without an output folder";
    ASSERT_TRUE(program.Close());
    EXPECT_EQ(ReadInt(kSettings, L"ImageFormat"), 0xFFFFFFFFu);
}
