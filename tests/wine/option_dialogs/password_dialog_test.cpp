// The password dialog: kept in memory between openings, never stored.
#include <gtest/gtest.h>

#include "option_dialogs/option_dialog.h"
#include "resources/resource.h"

namespace {
std::wstring OpenReadAndClose(const ProgramUnderTest& program) {
    OptionDialog dialog(program, kPasswordCaption, ID_SETTINGS_PASSWORD);
    const std::wstring text = dialog.Text(IDC_PASSWORD_EDIT);
    dialog.Press(IDCANCEL);
    EXPECT_TRUE(dialog.WaitClosed());
    return text;
}

void OpenAndConfirm(const ProgramUnderTest& program, const std::wstring& text) {
    OptionDialog dialog(program, kPasswordCaption, ID_SETTINGS_PASSWORD);
    dialog.SetText(IDC_PASSWORD_EDIT, text);
    dialog.Press(IDOK);
    EXPECT_TRUE(dialog.WaitClosed());
}
}  // namespace

TEST(PasswordDialog, RoundTripThroughOkCancelAndClearing) {
    ProgramUnderTest program;
    program.Start();
    {
        OptionDialog first(program, kPasswordCaption, ID_SETTINGS_PASSWORD);
        EXPECT_EQ(first.Text(IDC_PASSWORD_EDIT), L"");
        EXPECT_EQ(program.FocusWindow(), first.Item(IDOK));
        EXPECT_EQ(GetWindowLongW(first.Item(IDC_PASSWORD_EDIT), GWL_STYLE) & ES_PASSWORD, 0) << "shown as typed";
        first.Press(IDCANCEL);
        ASSERT_TRUE(first.WaitClosed());
    }
    const std::wstring secret = L" pa\"ss wörd ";  // kept as typed: blanks, quote
    OpenAndConfirm(program, secret);
    EXPECT_EQ(OpenReadAndClose(program), secret);

    {
        OptionDialog typedThenCancelled(program, kPasswordCaption, ID_SETTINGS_PASSWORD);
        typedThenCancelled.SetText(IDC_PASSWORD_EDIT, L"other");
        typedThenCancelled.PostKey(IDC_PASSWORD_EDIT, VK_ESCAPE);
        ASSERT_TRUE(typedThenCancelled.WaitClosed());
    }
    EXPECT_EQ(OpenReadAndClose(program), secret);

    OpenAndConfirm(program, L"");
    EXPECT_EQ(OpenReadAndClose(program), L"");
}

TEST(PasswordDialog, NeverStoredAndGoneAfterRestart) {
    const std::wstring secret = L"geheim-123";
    {
        ProgramUnderTest program;
        program.Start();
        OpenAndConfirm(program, secret);
        program.Click(IDCANCEL);  // closes the program, which writes its settings
        ASSERT_TRUE(program.WaitForExit());
        const RegistrySnapshot stored = SnapshotProgramRegistry();
        EXPECT_FALSE(stored.empty()) << "the program did write its settings";
        EXPECT_FALSE(RegistryHoldsText(stored, secret));
    }
    ProgramUnderTest program;
    program.Start();
    EXPECT_EQ(OpenReadAndClose(program), L"");
}
