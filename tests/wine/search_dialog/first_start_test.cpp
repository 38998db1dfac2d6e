// The search dialog as a user first sees it, with nothing stored.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"

TEST(FirstStart, EveryControlHasItsInitialState) {
    ProgramUnderTest program;
    program.Start();  // found by its caption

    EXPECT_TRUE(program.IsChecked(IDC_RADIO_FILE));
    for (int id : {IDC_SUBFOLDERS, IDC_CREATE_IMAGE, IDC_IMAGE_FORMAT}) EXPECT_FALSE(program.IsEnabled(id)) << id;
    for (int box : {IDC_RADIO_FOLDER, IDC_SUBFOLDERS, IDC_CREATE_IMAGE, IDC_CLOSE_PROMPT, IDC_PROGRESS,
                    IDC_CSV_HEADER, IDC_CSV_FOLDER, IDC_CSV_FILE, IDC_CSV_SEARCH_STRING})
        EXPECT_FALSE(program.IsChecked(box)) << box;
    for (int edit : {IDC_INPUT_PATH, IDC_OUTPUT_FOLDER, IDC_SEARCH_STRING, IDC_CSV_FILE_NAME})
        EXPECT_EQ(program.Text(edit), L"") << edit;
    EXPECT_EQ(program.ComboCount(IDC_IMAGE_FORMAT), 3);
    EXPECT_EQ(program.ComboSelection(IDC_IMAGE_FORMAT), 0);
    EXPECT_EQ(program.Text(IDC_IMAGE_FORMAT), L"PNG形式");
    EXPECT_FALSE(program.IsVisible(IDOK));
    EXPECT_EQ(program.DefaultButtonId(), IDCANCEL);
    EXPECT_TRUE(program.HasDefPushStyle(IDCANCEL));
    EXPECT_FALSE(program.HasDefPushStyle(IDC_SEARCH));
    EXPECT_EQ(program.FocusWindow(), program.Item(IDCANCEL));

    // Both path fields refuse typing; only their pickers fill them.
    for (int field : {IDC_INPUT_PATH, IDC_OUTPUT_FOLDER}) {
        SendMessageW(program.Item(field), WM_CHAR, L'x', 1);
        program.Settle();
        EXPECT_EQ(program.Text(field), L"") << field;
    }
}
