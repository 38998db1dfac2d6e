// The About box from the Help menu and from the system menu.
#include <gtest/gtest.h>

#include <set>

#include "option_dialogs/option_dialog.h"
#include "resources/resource.h"

namespace {
BOOL CALLBACK CollectTexts(HWND child, LPARAM lp) {
    wchar_t text[256] = {};
    SendMessageW(child, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    reinterpret_cast<std::set<std::wstring>*>(lp)->insert(text);
    return TRUE;
}

bool HasIcon(HWND dialog) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageW(child, STM_GETICON, 0, 0))
            return true;
    }
    return false;
}

enum class Way { HelpMenu, SystemMenu };

class AboutBox : public ::testing::TestWithParam<Way> {};

void OpenAbout(const ProgramUnderTest& program, Way way) {
    if (way == Way::HelpMenu)
        program.PostCommand(ID_HELP_ABOUT);
    else
        PostMessageW(program.Dialog(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
}
}  // namespace

TEST_P(AboutBox, ShowsNameVersionAndIconAndStoresNothing) {
    ProgramUnderTest program;
    program.Start();
    OpenAbout(program, GetParam());
    OptionDialog about(program, kAboutCaption);
    std::set<std::wstring> texts;
    EnumChildWindows(about.Window(), CollectTexts, reinterpret_cast<LPARAM>(&texts));
    EXPECT_TRUE(texts.count(L"PDF Vivevav, Version 1.0.1"));
    EXPECT_TRUE(texts.count(L"OK"));
    EXPECT_TRUE(HasIcon(about.Window()));
    EXPECT_FALSE(IsWindowEnabled(program.Dialog()));
    const RECT first = about.Rect();
    // Moved, then closed: the next opening is back at the first place.
    SetWindowPos(about.Window(), nullptr, first.left + 40, first.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    about.PostKey(IDOK, VK_ESCAPE);
    ASSERT_TRUE(about.WaitClosed());
    EXPECT_TRUE(SnapshotProgramRegistry().empty()) << "nothing written";

    OpenAbout(program, GetParam() == Way::HelpMenu ? Way::SystemMenu : Way::HelpMenu);
    OptionDialog again(program, kAboutCaption);
    EXPECT_EQ(again.Rect().left, first.left);
    EXPECT_EQ(again.Rect().top, first.top);
    again.Press(IDOK);
    ASSERT_TRUE(again.WaitClosed());
    EXPECT_TRUE(SnapshotProgramRegistry().empty());
    EXPECT_TRUE(IsWindowEnabled(program.Dialog()));
}

INSTANTIATE_TEST_SUITE_P(BothPlaces, AboutBox, ::testing::Values(Way::HelpMenu, Way::SystemMenu));
