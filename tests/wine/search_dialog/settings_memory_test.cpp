// The search dialog comes back as it was left, on the real registry.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"

namespace {
const std::wstring S = L"Settings";
const std::wstring CSV = L"Settings\\CSV";

// Closes the program the way a user does and starts it again on what it stored.
void Restart(ProgramUnderTest& program) {
    PostMessageW(program.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program.WaitForExit());
    program.Start();
}
}  // namespace

TEST(SettingsMemory, EveryChoiceComesBack) {
    ProgramUnderTest program;
    program_registry::WriteString(S, L"OutputFolderName", L"C:\\out");
    program.Start();
    program.Click(IDC_RADIO_FOLDER);
    program.Click(IDC_SUBFOLDERS);
    program.SetText(IDC_INPUT_PATH, L"C:\\docs");
    program.SetText(IDC_CSV_FILE_NAME, L"一覧.csv");
    program.SetText(IDC_SEARCH_STRING, L"x");
    for (int box : {IDC_CSV_HEADER, IDC_CSV_FILE, IDC_PROGRESS, IDC_CLOSE_PROMPT, IDC_CREATE_IMAGE})
        program.Click(box);
    SendMessageW(program.Item(IDC_IMAGE_FORMAT), CB_SETCURSEL, 2, 0);
    Restart(program);

    EXPECT_TRUE(program.IsChecked(IDC_RADIO_FOLDER));
    EXPECT_TRUE(program.IsEnabled(IDC_SUBFOLDERS));
    EXPECT_EQ(program.Text(IDC_INPUT_PATH), L"C:\\docs");
    EXPECT_EQ(program.Text(IDC_OUTPUT_FOLDER), L"C:\\out");
    EXPECT_EQ(program.Text(IDC_CSV_FILE_NAME), L"一覧.csv");
    for (int box : {IDC_SUBFOLDERS, IDC_CSV_HEADER, IDC_CSV_FILE, IDC_PROGRESS, IDC_CLOSE_PROMPT, IDC_CREATE_IMAGE})
        EXPECT_TRUE(program.IsChecked(box)) << box;
    for (int box : {IDC_CSV_FOLDER, IDC_CSV_SEARCH_STRING}) EXPECT_FALSE(program.IsChecked(box)) << box;
    EXPECT_TRUE(program.IsEnabled(IDC_IMAGE_FORMAT));
    EXPECT_EQ(program.ComboSelection(IDC_IMAGE_FORMAT), 2);
    EXPECT_EQ(program.Text(IDC_SEARCH_STRING), L"") << "the search string is never stored";
}

// Emptied names keep the stored ones, an unknown format stays unselected and
// folder mode without a path is not kept.
TEST(SettingsMemory, EdgeCasesSurviveARestart) {
    ProgramUnderTest program;
    program_registry::WriteString(S, L"OutputFolderName", L"C:\\out");
    program_registry::WriteString(CSV, L"OutputFile", L"previous.csv");
    program_registry::WriteInt(S, L"ImageFormat", 7);
    program.Start();
    EXPECT_EQ(program.ComboSelection(IDC_IMAGE_FORMAT), -1);
    program.SetText(IDC_OUTPUT_FOLDER, L"");
    program.SetText(IDC_CSV_FILE_NAME, L"");
    program.Click(IDC_RADIO_FOLDER);
    program.Click(IDC_SUBFOLDERS);
    Restart(program);

    EXPECT_EQ(program.Text(IDC_OUTPUT_FOLDER), L"C:\\out");
    EXPECT_EQ(program.Text(IDC_CSV_FILE_NAME), L"previous.csv");
    EXPECT_EQ(program.ComboSelection(IDC_IMAGE_FORMAT), -1);
    EXPECT_TRUE(program.IsChecked(IDC_RADIO_FILE));
    program.Click(IDC_RADIO_FOLDER);
    EXPECT_FALSE(program.IsChecked(IDC_SUBFOLDERS));
    PostMessageW(program.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program_registry::ReadInt(S, L"ImageFormat"), 0xFFFFFFFFu);
}

// Cleared and disabled in file mode; checked again in folder mode, also after a restart.
TEST(SettingsMemory, SubfolderChoiceSurvivesFileModeAndARestart) {
    ProgramUnderTest program;
    program.Start();
    program.Click(IDC_RADIO_FOLDER);
    program.SetText(IDC_INPUT_PATH, L"C:\\no such place\\a.pdf");
    program.Click(IDC_SUBFOLDERS);
    for (bool restart : {false, true}) {
        program.Click(IDC_RADIO_FILE);
        EXPECT_FALSE(program.IsEnabled(IDC_SUBFOLDERS));
        EXPECT_FALSE(program.IsChecked(IDC_SUBFOLDERS));
        if (restart) Restart(program);
        EXPECT_TRUE(program.IsChecked(IDC_RADIO_FILE));
        program.Click(IDC_RADIO_FOLDER);
        EXPECT_TRUE(program.IsEnabled(IDC_SUBFOLDERS));
        EXPECT_TRUE(program.IsChecked(IDC_SUBFOLDERS)) << restart;
    }
}
