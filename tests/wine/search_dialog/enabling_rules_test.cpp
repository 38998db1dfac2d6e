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

TEST(EnablingRules, EnterWithoutInputPathEndsTheDialog) {
    ProgramUnderTest program;
    program.Start();
    program.SetText(IDC_SEARCH_STRING, L"abc");
    program.PostKey(IDC_SEARCH_STRING, VK_RETURN);
    EXPECT_TRUE(program.WaitForExit());
    EXPECT_TRUE(program_registry::ReadInt(L"Settings", L"FileOrFolder").has_value()) << "settings saved";
}

struct OutputFolderCase {
    const wchar_t* folder;
    bool createImageEnabled;
};

class CreateImageByOutputFolder : public ::testing::TestWithParam<OutputFolderCase> {};

TEST_P(CreateImageByOutputFolder, FollowsTheFolderLength) {
    program_registry::Clear();
    program_registry::WriteString(L"Settings", L"OutputFolderName", GetParam().folder);
    program_registry::WriteInt(L"Settings", L"CreateImage", 1);
    ProgramUnderTest program;
    // The constructor clears the key; store the values again for this start.
    program_registry::WriteString(L"Settings", L"OutputFolderName", GetParam().folder);
    program_registry::WriteInt(L"Settings", L"CreateImage", 1);
    program.Start();
    EXPECT_EQ(program.IsEnabled(IDC_CREATE_IMAGE), GetParam().createImageEnabled);
    EXPECT_EQ(program.IsChecked(IDC_CREATE_IMAGE), GetParam().createImageEnabled);
    // The stored switch enables the format list, even where the checkbox was then cleared.
    EXPECT_TRUE(program.IsEnabled(IDC_IMAGE_FORMAT));
}

INSTANTIATE_TEST_SUITE_P(Lengths, CreateImageByOutputFolder,
                         ::testing::Values(OutputFolderCase{L"", false}, OutputFolderCase{L"C", false},
                                           OutputFolderCase{L"C:", true}, OutputFolderCase{L"C:\\out", true}));

TEST(EnablingRules, CreateImageClickTogglesTheFormatListAndKeepsItsSelection) {
    ProgramUnderTest program;
    program_registry::WriteString(L"Settings", L"OutputFolderName", L"C:\\out");
    program_registry::WriteInt(L"Settings", L"ImageFormat", 2);
    program.Start();
    ASSERT_TRUE(program.IsEnabled(IDC_CREATE_IMAGE));
    ASSERT_FALSE(program.IsEnabled(IDC_IMAGE_FORMAT));

    program.Click(IDC_CREATE_IMAGE);
    EXPECT_TRUE(program.IsChecked(IDC_CREATE_IMAGE));
    EXPECT_TRUE(program.IsEnabled(IDC_IMAGE_FORMAT));
    program.Click(IDC_CREATE_IMAGE);
    EXPECT_FALSE(program.IsEnabled(IDC_IMAGE_FORMAT));
    EXPECT_EQ(program.ComboSelection(IDC_IMAGE_FORMAT), 2);
    program.Click(IDC_CREATE_IMAGE);
    EXPECT_TRUE(program.IsEnabled(IDC_IMAGE_FORMAT));
    EXPECT_EQ(program.ComboSelection(IDC_IMAGE_FORMAT), 2);
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

TEST(EnablingRules, SubfolderChoiceSurvivesAModeRoundTrip) {
    ProgramUnderTest program;
    program.Start();
    program.Click(IDC_RADIO_FOLDER);
    ASSERT_TRUE(program.IsEnabled(IDC_SUBFOLDERS));
    EXPECT_FALSE(program.IsChecked(IDC_SUBFOLDERS));
    program.Click(IDC_SUBFOLDERS);

    program.Click(IDC_RADIO_FILE);
    EXPECT_FALSE(program.IsEnabled(IDC_SUBFOLDERS));
    EXPECT_FALSE(program.IsChecked(IDC_SUBFOLDERS));

    program.Click(IDC_RADIO_FOLDER);
    EXPECT_TRUE(program.IsEnabled(IDC_SUBFOLDERS));
    EXPECT_TRUE(program.IsChecked(IDC_SUBFOLDERS));
}
