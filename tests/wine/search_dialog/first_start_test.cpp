// The search dialog as a user first sees it, with nothing stored.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"

TEST(FirstStart, EveryControlHasItsInitialState) {
    ProgramUnderTest program;
    program.Start();

    EXPECT_TRUE(program.IsChecked(IDC_RADIO_FILE));
    EXPECT_FALSE(program.IsChecked(IDC_RADIO_FOLDER));
    EXPECT_FALSE(program.IsEnabled(IDC_SUBFOLDERS));
    EXPECT_FALSE(program.IsChecked(IDC_SUBFOLDERS));
    for (int edit : {IDC_INPUT_PATH, IDC_OUTPUT_FOLDER, IDC_SEARCH_STRING, IDC_CSV_FILE_NAME})
        EXPECT_EQ(program.Text(edit), L"") << edit;
    EXPECT_FALSE(program.IsEnabled(IDC_CREATE_IMAGE));
    EXPECT_FALSE(program.IsChecked(IDC_CREATE_IMAGE));
    EXPECT_FALSE(program.IsEnabled(IDC_IMAGE_FORMAT));
    EXPECT_EQ(program.ComboCount(IDC_IMAGE_FORMAT), 3);
    EXPECT_EQ(program.ComboSelection(IDC_IMAGE_FORMAT), 0);
    EXPECT_EQ(program.Text(IDC_IMAGE_FORMAT), L"PNG形式");
    for (int box : {IDC_CLOSE_PROMPT, IDC_PROGRESS, IDC_CSV_HEADER, IDC_CSV_FOLDER, IDC_CSV_FILE,
                    IDC_CSV_SEARCH_STRING})
        EXPECT_FALSE(program.IsChecked(box)) << box;
    EXPECT_FALSE(program.IsVisible(IDOK));
    EXPECT_EQ(program.DefaultButtonId(), IDCANCEL);
    EXPECT_TRUE(program.HasDefPushStyle(IDCANCEL));
    EXPECT_FALSE(program.HasDefPushStyle(IDC_SEARCH));
    EXPECT_EQ(program.FocusWindow(), program.Item(IDCANCEL));

    // Both path fields refuse typing but accept text set by the program.
    for (int field : {IDC_INPUT_PATH, IDC_OUTPUT_FOLDER})
        EXPECT_TRUE(GetWindowLongW(program.Item(field), GWL_STYLE) & ES_READONLY) << field;

    wchar_t caption[64] = {};
    GetWindowTextW(program.Dialog(), caption, 64);
    EXPECT_STREQ(caption, L"PDF Vivevav");
}
