// How one control's state enables, disables, checks or unchecks another.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"

TEST(EnablingRules, SearchBecomesDefaultOnlyWithPathAndSearchString) {
    ProgramUnderTest program;
    program.Start();
    program.SetText(IDC_SEARCH_STRING, L"請求書");
    EXPECT_EQ(program.DefaultButtonId(), IDCANCEL) << "no input path yet";
    program.SetText(IDC_INPUT_PATH, L"C:\\docs\\a.pdf");
    program.SetText(IDC_SEARCH_STRING, L"請求書 ");
    EXPECT_EQ(program.DefaultButtonId(), IDC_SEARCH);
    EXPECT_TRUE(program.HasDefPushStyle(IDC_SEARCH));
    EXPECT_FALSE(program.HasDefPushStyle(IDCANCEL));
    program.SetText(IDC_SEARCH_STRING, L"");
    EXPECT_EQ(program.DefaultButtonId(), IDCANCEL);
    EXPECT_TRUE(program.HasDefPushStyle(IDCANCEL));
    EXPECT_FALSE(program.HasDefPushStyle(IDC_SEARCH));
}

TEST(EnablingRules, StoredCreateImageNeedsAnOutputFolderOfTwoCharacters) {
    for (const auto& [folder, enabled] : {std::pair{L"C", false}, std::pair{L"C:", true}}) {
        ProgramUnderTest program;  // clears the key; store after it
        program_registry::WriteString(L"Settings", L"OutputFolderName", folder);
        program_registry::WriteInt(L"Settings", L"CreateImage", 1);
        program.Start();
        EXPECT_EQ(program.IsEnabled(IDC_CREATE_IMAGE), enabled) << folder;
        EXPECT_EQ(program.IsChecked(IDC_CREATE_IMAGE), enabled) << folder;
        // The stored switch enables the format list, even where the checkbox was then cleared.
        EXPECT_TRUE(program.IsEnabled(IDC_IMAGE_FORMAT)) << folder;
    }
}

TEST(EnablingRules, CreateImageClickTogglesTheFormatListAndKeepsItsSelection) {
    ProgramUnderTest program;
    program_registry::WriteString(L"Settings", L"OutputFolderName", L"C:\\out");
    program_registry::WriteInt(L"Settings", L"ImageFormat", 2);
    program.Start();
    ASSERT_TRUE(program.IsEnabled(IDC_CREATE_IMAGE));
    ASSERT_FALSE(program.IsEnabled(IDC_IMAGE_FORMAT));
    for (bool on : {true, false, true}) {
        program.Click(IDC_CREATE_IMAGE);
        EXPECT_EQ(program.IsChecked(IDC_CREATE_IMAGE), on);
        EXPECT_EQ(program.IsEnabled(IDC_IMAGE_FORMAT), on);
        EXPECT_EQ(program.ComboSelection(IDC_IMAGE_FORMAT), 2);
    }
}

TEST(EnablingRules, EmptiedOutputFolderAndCsvNameUncheckTheirBoxes) {
    ProgramUnderTest program;
    program_registry::WriteString(L"Settings", L"OutputFolderName", L"C:\\out");
    program_registry::WriteInt(L"Settings", L"CloseCommandPrompt", 1);
    program_registry::WriteString(L"Settings\\CSV", L"OutputFile", L"result.csv");
    program_registry::WriteInt(L"Settings", L"Progress", 1);
    program.Start();
    ASSERT_TRUE(program.IsChecked(IDC_CLOSE_PROMPT));
    ASSERT_TRUE(program.IsChecked(IDC_PROGRESS));
    program.SetText(IDC_CSV_FILE_NAME, L"");
    EXPECT_FALSE(program.IsChecked(IDC_PROGRESS));
    program.Click(IDC_PROGRESS);
    EXPECT_TRUE(program.IsChecked(IDC_PROGRESS)) << "checking it again is allowed";
    program.SetText(IDC_OUTPUT_FOLDER, L"");
    EXPECT_FALSE(program.IsChecked(IDC_CLOSE_PROMPT));
}
