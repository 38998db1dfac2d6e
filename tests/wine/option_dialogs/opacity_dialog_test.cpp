// The image opacity dialog: stored readings, validation and OK/Cancel.
#include <gtest/gtest.h>

#include "option_dialogs/option_dialog.h"
#include "resources/resource.h"

namespace {
const std::wstring kSettings = L"Settings";
}

TEST(OpacityDialog, FirstOpeningShowsTenAndOkStoresIt) {
    ProgramUnderTest program;
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_OPACITY, kOpacityCaption);
    EXPECT_EQ(dialog.Text(IDC_VALUE_EDIT), L"10");
    EXPECT_EQ(program.FocusWindow(), dialog.Item(IDOK));
    dialog.Press(IDOK);
    ASSERT_TRUE(dialog.WaitClosed());
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"AlphaValue"), 10u);
}

class OpacityDialogReading : public ::testing::TestWithParam<std::pair<DWORD, const wchar_t*>> {};

TEST_P(OpacityDialogReading, ClampsTheStoredValue) {
    ProgramUnderTest program;
    program_registry::WriteInt(kSettings, L"AlphaValue", GetParam().first);
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_OPACITY, kOpacityCaption);
    EXPECT_EQ(dialog.Text(IDC_VALUE_EDIT), GetParam().second);
    dialog.Press(IDCANCEL);
    EXPECT_TRUE(dialog.WaitClosed());
}

INSTANTIATE_TEST_SUITE_P(Stored, OpacityDialogReading,
                         ::testing::Values(std::make_pair(DWORD{1}, L"2"), std::make_pair(DWORD{11}, L"10"),
                                           std::make_pair(static_cast<DWORD>(-3), L"2"),
                                           std::make_pair(DWORD{6}, L"6")));

class OpacityDialogInvalid : public ::testing::TestWithParam<std::pair<const wchar_t*, const wchar_t*>> {};

TEST_P(OpacityDialogInvalid, KeepsTheDialogOpenAndWritesNothing) {
    ProgramUnderTest program;
    program_registry::WriteInt(kSettings, L"AlphaValue", 4);
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_OPACITY, kOpacityCaption);
    const RegistrySnapshot before = SnapshotProgramRegistry();
    dialog.SetText(IDC_VALUE_EDIT, GetParam().first);
    dialog.Press(IDOK);
    const ShownMessage message = WaitForProgramMessage(program);
    ASSERT_NE(message.window, nullptr) << "no message";
    EXPECT_EQ(message.text, GetParam().second);
    DismissMessageBox(message);
    dialog.Settle();
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(program.FocusWindow(), dialog.Item(IDC_VALUE_EDIT));
    EXPECT_EQ(SnapshotProgramRegistry(), before);
    dialog.Press(IDCANCEL);
    EXPECT_TRUE(dialog.WaitClosed());
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"AlphaValue"), 4u);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, OpacityDialogInvalid,
    ::testing::Values(std::make_pair(L"1", L"2 から 10 の整数を入力してください。"),
                      std::make_pair(L"11", L"2 から 10 の整数を入力してください。"),
                      std::make_pair(L"", L"整数を入力してください。"),
                      std::make_pair(L"x5", L"整数を入力してください。")));

TEST(OpacityDialog, OkStoresFiveAndTheNextOpeningShowsIt) {
    ProgramUnderTest program;
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_OPACITY, kOpacityCaption);
    dialog.SetText(IDC_VALUE_EDIT, L"5");
    dialog.PostKey(IDC_VALUE_EDIT, VK_RETURN);  // Enter presses the set button
    ASSERT_TRUE(dialog.WaitClosed());
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"AlphaValue"), 5u);
    OptionDialog again(program, ID_SETTINGS_OPACITY, kOpacityCaption);
    EXPECT_EQ(again.Text(IDC_VALUE_EDIT), L"5");
    again.Press(IDCANCEL);
    EXPECT_TRUE(again.WaitClosed());
}

class OpacityDialogCancel : public ::testing::TestWithParam<int> {};

TEST_P(OpacityDialogCancel, ChangesNothing) {
    ProgramUnderTest program;
    program_registry::WriteInt(kSettings, L"AlphaValue", 8);
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_OPACITY, kOpacityCaption);
    dialog.SetText(IDC_VALUE_EDIT, L"5");
    switch (GetParam()) {
    case 0: dialog.Press(IDCANCEL); break;
    case 1: dialog.PostKey(IDC_VALUE_EDIT, VK_ESCAPE); break;
    default: PostMessageW(dialog.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
    ASSERT_TRUE(dialog.WaitClosed());
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"AlphaValue"), 8u);
    OptionDialog again(program, ID_SETTINGS_OPACITY, kOpacityCaption);
    EXPECT_EQ(again.Text(IDC_VALUE_EDIT), L"8");
    again.Press(IDCANCEL);
    EXPECT_TRUE(again.WaitClosed());
}

INSTANTIATE_TEST_SUITE_P(ButtonEscapeCloseBox, OpacityDialogCancel, ::testing::Values(0, 1, 2));
