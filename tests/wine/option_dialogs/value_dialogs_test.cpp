// The frame and opacity dialogs share their shapes: first opening, stored
// readings, validation and the ways to cancel. The frame's colour button follows.
#include <gtest/gtest.h>

#include "option_dialogs/option_dialog.h"
#include "resources/resource.h"
#include "winlayer/colour_button.h"

namespace {
const std::wstring kSettings = L"Settings";
const wchar_t kNotInteger[] = L"整数を入力してください。";

struct ValueDialog {
    const char* name;
    int command;
    const std::wstring* caption;
    const wchar_t* valueName;
    const wchar_t* positionName;
    DWORD firstValue;
    const wchar_t* rangeMessage;
    const wchar_t* invalid[4];
};
const ValueDialog kFrame{"Frame", ID_SETTINGS_FRAME, &kFrameCaption, L"WidthValue", L"RectangleDlgPos", 1,
                         L"1 から 100 の整数を入力してください。", {L"0", L"101", L"", L"abc"}};
const ValueDialog kOpacity{"Opacity", ID_SETTINGS_OPACITY, &kOpacityCaption, L"AlphaValue", L"AlphaDlgPos", 10,
                           L"2 から 10 の整数を入力してください。", {L"1", L"11", L"", L"x5"}};
bool IsFrame(const ValueDialog& d) { return d.command == ID_SETTINGS_FRAME; }

void CancelAndWait(const OptionDialog& dialog) {
    dialog.Press(IDCANCEL);
    EXPECT_TRUE(dialog.WaitClosed());
}

// Opens the palette from the button and picks by keyboard.
void PickByKeys(const OptionDialog& dialog, std::initializer_list<WORD> keys) {
    PostMessageW(dialog.Item(IDC_COLOUR_BUTTON), BM_CLICK, 0, 0);
    const HWND palette = dialog.WaitForPalette();
    ASSERT_NE(palette, nullptr);
    for (WORD key : keys) PostMessageW(palette, WM_KEYDOWN, key, 1);
    // Every sequence here ends the palette; a picked colour is set by then.
    for (int i = 0; i < 250 && IsWindow(palette); ++i) Sleep(20);
    ASSERT_FALSE(IsWindow(palette));
    EXPECT_EQ(SendMessageW(dialog.Item(IDC_COLOUR_BUTTON), CBM_GETPALETTE, 0, 0), 0);
}

class ValueDialogs : public ::testing::TestWithParam<ValueDialog> {};
}  // namespace

TEST_P(ValueDialogs, FirstOpeningShowsTheDefaultAndEnterStoresIt) {
    const ValueDialog& d = GetParam();
    ProgramUnderTest program;
    program.Start();
    OptionDialog dialog(program, *d.caption, d.command);
    EXPECT_EQ(dialog.Text(IDC_VALUE_EDIT), std::to_wstring(d.firstValue));
    if (IsFrame(d)) { EXPECT_EQ(dialog.ButtonColour(), 0x0000FFu); }
    EXPECT_EQ(program.FocusWindow(), dialog.Item(IDOK));
    EXPECT_FALSE(IsWindowEnabled(program.Dialog())) << "the search dialog waits for the option dialog";
    dialog.PostKey(IDC_VALUE_EDIT, VK_RETURN);
    ASSERT_TRUE(dialog.WaitClosed());
    EXPECT_EQ(program_registry::ReadInt(kSettings, d.valueName), d.firstValue);
    if (IsFrame(d)) { EXPECT_EQ(program_registry::ReadInt(kSettings, L"ColorRefValue"), 255u); }
}

TEST_P(ValueDialogs, InvalidEntriesKeepItOpenAndWriteNothing) {
    const ValueDialog& d = GetParam();
    ProgramUnderTest program;
    program_registry::WriteInt(kSettings, d.valueName, 7);
    program.Start();
    OptionDialog dialog(program, *d.caption, d.command);
    const RegistrySnapshot before = SnapshotProgramRegistry();
    for (const std::wstring entry : d.invalid) {
        dialog.SetText(IDC_VALUE_EDIT, entry);
        dialog.Press(IDOK);
        const ShownMessage message = WaitForProgramMessage(program);
        ASSERT_NE(message.window, nullptr) << "no message";
        const bool isNumber = !entry.empty() && entry.find_first_not_of(L"0123456789") == std::wstring::npos;
        EXPECT_EQ(message.text, isNumber ? d.rangeMessage : kNotInteger);
        DismissMessageBox(message);
        dialog.Settle();
        EXPECT_TRUE(dialog.IsOpen());
        EXPECT_EQ(program.FocusWindow(), dialog.Item(IDC_VALUE_EDIT));
        EXPECT_EQ(EditSelection(dialog.Item(IDC_VALUE_EDIT)), std::make_pair(0, static_cast<int>(entry.size())));
        EXPECT_EQ(SnapshotProgramRegistry(), before);
    }
    dialog.SetText(IDC_VALUE_EDIT, L"9");  // a valid entry afterwards is taken
    dialog.Press(IDOK);
    ASSERT_TRUE(dialog.WaitClosed());
    EXPECT_EQ(program_registry::ReadInt(kSettings, d.valueName), 9u);
}

TEST_P(ValueDialogs, ButtonEscapeAndCloseBoxChangeNothing) {
    const ValueDialog& d = GetParam();
    ProgramUnderTest program;
    program_registry::WriteInt(kSettings, d.valueName, 3);
    program_registry::WriteInt(kSettings, L"ColorRefValue", 0x00FF00);
    program.Start();
    for (int way = 0; way < 3; ++way) {
        OptionDialog dialog(program, *d.caption, d.command);
        dialog.SetText(IDC_VALUE_EDIT, L"9");
        if (IsFrame(d)) PickByKeys(dialog, {VK_DOWN, VK_RETURN});
        RegistrySnapshot before = SnapshotProgramRegistry();
        if (way == 0) dialog.Press(IDCANCEL);
        if (way == 1) dialog.PostKey(IDC_VALUE_EDIT, VK_ESCAPE);
        if (way == 2) PostMessageW(dialog.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        ASSERT_TRUE(dialog.WaitClosed()) << way;
        RegistrySnapshot after = SnapshotProgramRegistry();
        // Only the position record may be new.
        for (RegistrySnapshot* s : {&before, &after}) s->erase(L"Settings\\WindowPlacement\\" + std::wstring(d.positionName));
        EXPECT_EQ(after, before) << way;
        OptionDialog again(program, *d.caption, d.command);
        EXPECT_EQ(again.Text(IDC_VALUE_EDIT), L"3") << way;
        if (IsFrame(d)) { EXPECT_EQ(again.ButtonColour(), 0x00FF00u) << way; }
        CancelAndWait(again);
    }
}

INSTANTIATE_TEST_SUITE_P(Both, ValueDialogs, ::testing::Values(kFrame, kOpacity),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueDialogsStored, ValuesAreClampedWhenShown) {
    struct Case {
        const ValueDialog* d;
        DWORD stored;
        const wchar_t* shown;
        DWORD colour;
        COLORREF shownColour;
    };
    const Case cases[] = {
        {&kFrame, 0, L"1", 0x00FF00, 0x00FF00},   {&kFrame, 250, L"100", 0x01000000, 0xFFFFFF},
        {&kFrame, static_cast<DWORD>(-5), L"1", 0xFFFFFFFF, 0xFFFFFF}, {&kFrame, 42, L"42", 0x123456, 0x123456},
        {&kOpacity, 1, L"2", 0, 0},               {&kOpacity, 11, L"10", 0, 0},
        {&kOpacity, static_cast<DWORD>(-3), L"2", 0, 0}, {&kOpacity, 6, L"6", 0, 0},
    };
    for (const Case& c : cases) {
        ProgramUnderTest program;
        program_registry::WriteInt(kSettings, c.d->valueName, c.stored);
        program_registry::WriteInt(kSettings, L"ColorRefValue", c.colour);
        program.Start();
        OptionDialog dialog(program, *c.d->caption, c.d->command);
        EXPECT_EQ(dialog.Text(IDC_VALUE_EDIT), c.shown) << c.d->name << " " << c.stored;
        if (IsFrame(*c.d)) { EXPECT_EQ(dialog.ButtonColour(), c.shownColour) << std::hex << c.colour; }
        CancelAndWait(dialog);
    }
}

TEST(FrameDialog, PaletteKeysPickOrEscapeAndOkStoresWidthAndColour) {
    ProgramUnderTest program;
    program.Start();
    OptionDialog dialog(program, kFrameCaption, ID_SETTINGS_FRAME);
    PickByKeys(dialog, {VK_RIGHT, VK_ESCAPE});
    EXPECT_EQ(dialog.ButtonColour(), 0x0000FFu);
    EXPECT_TRUE(dialog.IsOpen()) << "Esc closes only the palette";
    dialog.SetText(IDC_VALUE_EDIT, L"5");
    PickByKeys(dialog, {VK_DOWN, VK_RETURN});  // from red, one row down is blue
    EXPECT_EQ(dialog.ButtonColour(), 0xFF0000u);
    dialog.Press(IDOK);
    ASSERT_TRUE(dialog.WaitClosed());
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"WidthValue"), 5u);
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"ColorRefValue"), 0xFF0000u);
    OptionDialog again(program, kFrameCaption, ID_SETTINGS_FRAME);
    EXPECT_EQ(again.Text(IDC_VALUE_EDIT), L"5");
    EXPECT_EQ(again.ButtonColour(), 0xFF0000u);
    CancelAndWait(again);
}

TEST(FrameDialog, OtherColoursOpensTheSystemChooser) {
    ProgramUnderTest program;
    program.Start();
    OptionDialog dialog(program, kFrameCaption, ID_SETTINGS_FRAME);
    // Cancelled first, which changes nothing; then a colour confirmed there reaches the button.
    for (const bool confirm : {false, true}) {
        PickByKeys(dialog, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});  // red row, two rows, then the button
        const HWND chooser = WaitForOwnedDialog(program.ProcessId(), dialog.Window());
        ASSERT_NE(chooser, nullptr);
        const std::pair<int, const wchar_t*> channels[] = {{706, L"0"}, {707, L"128"}, {708, L"255"}};  // R, G, B
        for (const auto& [id, value] : channels)
            SendMessageW(GetDlgItem(chooser, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value));
        const int button = confirm ? IDOK : IDCANCEL;
        PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(chooser, button)));
        for (int i = 0; i < 200 && IsWindow(chooser); ++i) Sleep(20);
        EXPECT_FALSE(IsWindow(chooser));
        dialog.Settle();
        EXPECT_EQ(dialog.ButtonColour(), confirm ? 0xFF8000u : 0x0000FFu);
    }
    CancelAndWait(dialog);
}
