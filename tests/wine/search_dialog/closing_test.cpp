// Every way of ending the dialog ends the program after saving the settings.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"

namespace {
enum class Way { CloseButton, FileExit, Escape, CloseBox, EnterWithoutInputPath };

class Closing : public ::testing::TestWithParam<Way> {};
}  // namespace

TEST_P(Closing, EndsTheProgramAndSaves) {
    ProgramUnderTest program;
    program.Start();
    program.SetText(IDC_CSV_FILE_NAME, L"結果.csv");
    switch (GetParam()) {
    case Way::CloseButton: PostMessageW(program.Item(IDCANCEL), BM_CLICK, 0, 0); break;
    case Way::FileExit: program.PostCommand(ID_FILE_EXIT); break;
    case Way::Escape: program.PostKey(IDCANCEL, VK_ESCAPE); break;
    case Way::CloseBox: PostMessageW(program.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
    case Way::EnterWithoutInputPath:  // Close stays the default button
        program.SetText(IDC_SEARCH_STRING, L"abc");
        program.PostKey(IDC_SEARCH_STRING, VK_RETURN);
        break;
    }
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program_registry::ReadString(L"Settings\\CSV", L"OutputFile"), L"結果.csv");
    const auto record = program_registry::ReadBinary(L"Settings\\WindowPlacement", L"SearchWindowPos");
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->size(), 8u);
}

INSTANTIATE_TEST_SUITE_P(AllWays, Closing,
                         ::testing::Values(Way::CloseButton, Way::FileExit, Way::Escape, Way::CloseBox,
                                           Way::EnterWithoutInputPath));
