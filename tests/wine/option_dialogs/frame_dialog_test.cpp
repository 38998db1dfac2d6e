// The image frame dialog: stored readings, validation, the colour button and OK/Cancel.
#include <gtest/gtest.h>

#include "option_dialogs/option_dialog.h"
#include "resources/resource.h"
#include "winlayer/colour_button.h"

namespace {
const std::wstring kSettings = L"Settings";

// Opens the palette from the button and picks by keyboard.
void PickByKeys(const OptionDialog& dialog, std::initializer_list<WORD> keys) {
    PostMessageW(dialog.Item(IDC_COLOUR_BUTTON), BM_CLICK, 0, 0);
    const HWND palette = dialog.WaitForPalette();
    ASSERT_NE(palette, nullptr);
    for (WORD key : keys) PostMessageW(palette, WM_KEYDOWN, key, 1);
    // Every sequence here ends the palette; a picked colour is set by then.
    for (int i = 0; i < 250 && IsWindow(palette); ++i) Sleep(20);
    ASSERT_FALSE(IsWindow(palette));
}

struct OwnedSearch {
    DWORD processId;
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindOwnedDialog(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<OwnedSearch*>(lp);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    wchar_t className[16] = {};
    GetClassNameW(hwnd, className, 16);
    if (process != search->processId || GetWindow(hwnd, GW_OWNER) != search->owner || !IsWindowVisible(hwnd) ||
        lstrcmpW(className, L"#32770") != 0)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

// A dialog box that the given window owns, waited for.
HWND WaitForOwnedDialog(DWORD processId, HWND owner) {
    for (int i = 0; i < 500; ++i) {
        OwnedSearch search{processId, owner, nullptr};
        EnumWindows(FindOwnedDialog, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(20);
    }
    return nullptr;
}
}  // namespace

TEST(FrameDialog, FirstOpeningShowsOneAndRedAndOkStoresThem) {
    ProgramUnderTest program;
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_FRAME, kFrameCaption);
    EXPECT_EQ(dialog.Text(IDC_VALUE_EDIT), L"1");
    EXPECT_EQ(dialog.ButtonColour(), 0x0000FFu);
    EXPECT_EQ(program.FocusWindow(), dialog.Item(IDOK));
    EXPECT_FALSE(IsWindowEnabled(program.Dialog())) << "the search dialog waits for the option dialog";
    dialog.Press(IDOK);
    ASSERT_TRUE(dialog.WaitClosed());
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"WidthValue"), 1u);
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"ColorRefValue"), 255u);
}

struct StoredReading {
    DWORD width;
    DWORD colour;
    const wchar_t* shownWidth;
    COLORREF shownColour;
};

class FrameDialogReading : public ::testing::TestWithParam<StoredReading> {};

TEST_P(FrameDialogReading, ClampsStoredValues) {
    ProgramUnderTest program;
    program_registry::WriteInt(kSettings, L"WidthValue", GetParam().width);
    program_registry::WriteInt(kSettings, L"ColorRefValue", GetParam().colour);
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_FRAME, kFrameCaption);
    EXPECT_EQ(dialog.Text(IDC_VALUE_EDIT), GetParam().shownWidth);
    EXPECT_EQ(dialog.ButtonColour(), GetParam().shownColour);
    dialog.Press(IDCANCEL);
    EXPECT_TRUE(dialog.WaitClosed());
}

INSTANTIATE_TEST_SUITE_P(Stored, FrameDialogReading,
                         ::testing::Values(StoredReading{0, 0x00FF00, L"1", 0x00FF00},
                                           StoredReading{250, 0x01000000, L"100", 0xFFFFFF},
                                           StoredReading{static_cast<DWORD>(-5), 0xFFFFFFFF, L"1", 0xFFFFFF},
                                           StoredReading{42, 0x123456, L"42", 0x123456}));

class FrameDialogInvalid : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(FrameDialogInvalid, KeepsTheDialogOpenAndWritesNothing) {
    ProgramUnderTest program;
    program_registry::WriteInt(kSettings, L"WidthValue", 7);
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_FRAME, kFrameCaption);
    const RegistrySnapshot before = SnapshotProgramRegistry();
    dialog.SetText(IDC_VALUE_EDIT, GetParam());
    dialog.Press(IDOK);
    const ShownMessage message = WaitForProgramMessage(program);
    ASSERT_NE(message.window, nullptr) << "no message";
    const bool isNumber = std::wstring(GetParam()).find_first_not_of(L"0123456789") == std::wstring::npos &&
                          *GetParam() != L'\0';
    EXPECT_EQ(message.text, isNumber ? L"1 から 100 の整数を入力してください。" : L"整数を入力してください。");
    DismissMessageBox(message);
    dialog.Settle();
    EXPECT_TRUE(dialog.IsOpen());
    EXPECT_EQ(program.FocusWindow(), dialog.Item(IDC_VALUE_EDIT));
    const auto length = static_cast<int>(std::wstring(GetParam()).size());
    EXPECT_EQ(EditSelection(dialog.Item(IDC_VALUE_EDIT)), std::make_pair(0, length));
    EXPECT_EQ(SnapshotProgramRegistry(), before);
    // A valid entry afterwards is taken.
    dialog.SetText(IDC_VALUE_EDIT, L"12");
    dialog.Press(IDOK);
    ASSERT_TRUE(dialog.WaitClosed());
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"WidthValue"), 12u);
}

INSTANTIATE_TEST_SUITE_P(Entries, FrameDialogInvalid, ::testing::Values(L"0", L"101", L"", L"abc"));

TEST(FrameDialog, PaletteKeysPickBlueAndOkStoresWidthAndColour) {
    ProgramUnderTest program;
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_FRAME, kFrameCaption);
    dialog.SetText(IDC_VALUE_EDIT, L"5");
    PickByKeys(dialog, {VK_DOWN, VK_RETURN});  // from red, one row down is blue
    EXPECT_EQ(dialog.ButtonColour(), 0xFF0000u);
    EXPECT_EQ(SendMessageW(dialog.Item(IDC_COLOUR_BUTTON), CBM_GETPALETTE, 0, 0), 0) << "a pick closes the palette";
    dialog.Press(IDOK);
    ASSERT_TRUE(dialog.WaitClosed());
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"WidthValue"), 5u);
    EXPECT_EQ(program_registry::ReadInt(kSettings, L"ColorRefValue"), 0xFF0000u);
    OptionDialog again(program, ID_SETTINGS_FRAME, kFrameCaption);
    EXPECT_EQ(again.Text(IDC_VALUE_EDIT), L"5");
    EXPECT_EQ(again.ButtonColour(), 0xFF0000u);
    again.Press(IDCANCEL);
    EXPECT_TRUE(again.WaitClosed());
}

TEST(FrameDialog, EscapeInThePaletteKeepsTheColour) {
    ProgramUnderTest program;
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_FRAME, kFrameCaption);
    PickByKeys(dialog, {VK_RIGHT, VK_ESCAPE});
    EXPECT_EQ(dialog.ButtonColour(), 0x0000FFu);
    EXPECT_EQ(SendMessageW(dialog.Item(IDC_COLOUR_BUTTON), CBM_GETPALETTE, 0, 0), 0);
    EXPECT_TRUE(dialog.IsOpen()) << "Esc closes only the palette";
    dialog.Press(IDCANCEL);
    EXPECT_TRUE(dialog.WaitClosed());
}

TEST(FrameDialog, OtherColoursOpensTheSystemChooser) {
    ProgramUnderTest program;
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_FRAME, kFrameCaption);
    PickByKeys(dialog, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});  // red row, then two rows, then the button
    const HWND chooser = WaitForOwnedDialog(program.ProcessId(), dialog.Window());
    ASSERT_NE(chooser, nullptr);
    PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    for (int i = 0; i < 200 && IsWindow(chooser); ++i) Sleep(20);
    EXPECT_FALSE(IsWindow(chooser));
    EXPECT_EQ(dialog.ButtonColour(), 0x0000FFu) << "a cancelled chooser changes nothing";

    // A colour confirmed in the chooser reaches the button.
    PickByKeys(dialog, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    const HWND second = WaitForOwnedDialog(program.ProcessId(), dialog.Window());
    ASSERT_NE(second, nullptr);
    const std::pair<int, const wchar_t*> channels[] = {{706, L"0"}, {707, L"128"}, {708, L"255"}};  // red, green, blue
    for (const auto& [id, value] : channels)
        SendMessageW(GetDlgItem(second, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value));
    PostMessageW(second, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(second, IDOK)));
    for (int i = 0; i < 200 && IsWindow(second); ++i) Sleep(20);
    dialog.Settle();
    EXPECT_EQ(dialog.ButtonColour(), 0xFF8000u);
    dialog.Press(IDCANCEL);
    EXPECT_TRUE(dialog.WaitClosed());
}

class FrameDialogCancel : public ::testing::TestWithParam<int> {};

TEST_P(FrameDialogCancel, ChangesNothing) {
    ProgramUnderTest program;
    program_registry::WriteInt(kSettings, L"WidthValue", 3);
    program_registry::WriteInt(kSettings, L"ColorRefValue", 0x00FF00);
    program.Start();
    OptionDialog dialog(program, ID_SETTINGS_FRAME, kFrameCaption);
    dialog.SetText(IDC_VALUE_EDIT, L"9");
    PickByKeys(dialog, {VK_DOWN, VK_RETURN});
    const RegistrySnapshot before = SnapshotProgramRegistry();
    switch (GetParam()) {
    case 0: dialog.Press(IDCANCEL); break;
    case 1: dialog.PostKey(IDC_VALUE_EDIT, VK_ESCAPE); break;
    default: PostMessageW(dialog.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); break;
    }
    ASSERT_TRUE(dialog.WaitClosed());
    RegistrySnapshot after = SnapshotProgramRegistry();
    // Only the position record may be new.
    after.erase(L"Settings\\WindowPlacement\\RectangleDlgPos");
    EXPECT_EQ(after, before);
    OptionDialog again(program, ID_SETTINGS_FRAME, kFrameCaption);
    EXPECT_EQ(again.Text(IDC_VALUE_EDIT), L"3");
    EXPECT_EQ(again.ButtonColour(), 0x00FF00u);
    again.Press(IDCANCEL);
    EXPECT_TRUE(again.WaitClosed());
}

INSTANTIATE_TEST_SUITE_P(ButtonEscapeCloseBox, FrameDialogCancel, ::testing::Values(0, 1, 2));
