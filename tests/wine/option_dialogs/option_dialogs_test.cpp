// Each option dialog from the menu: what it shows first, its validation, the
// ways to cancel and to confirm, and what reaches the next search.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/stand_in_tool.h"
#include "support/wait_until.h"
#include "winlayer/colour_button.h"

namespace {
using namespace program_registry;
using Args = std::vector<std::wstring>;

enum class Way { Button, Key, CloseBox };

struct OptionDialog {
    const char* name;
    int command;
    std::wstring caption;
    int edit;
    const wchar_t* valueName;  // under Settings; none: kept in memory only
    DWORD stored;              // planted before the start
    std::wstring shown;        // what the dialog makes of it
    std::vector<std::wstring> invalid;
    std::wstring rangeMessage;
    Way cancel, confirm;
    std::wstring confirmed;
    Args search;  // the arguments of a search after the confirmation
};

const OptionDialog kDialogs[] = {
    {"Password", ID_SETTINGS_PASSWORD, L"パスワード設定", IDC_PASSWORD_EDIT, nullptr, 0, L"", {}, L"", Way::Key,
     Way::Button, L" pa\"ss wörd ", {L"-p", L" pa\"ss wörd ", L"-C", L"FF00", L"invoice", L"C:\\Docs"}},
    {"Frame", ID_SETTINGS_FRAME, L"枠線設定", IDC_VALUE_EDIT, L"WidthValue", static_cast<DWORD>(-5), L"1",
     {L"0", L"101", L"", L"abc"}, L"1 から 100 の整数を入力してください。", Way::CloseBox, Way::Key, L"5",
     {L"-w", L"5", L"-C", L"80FF", L"invoice", L"C:\\Docs"}},
    {"Opacity", ID_SETTINGS_OPACITY, L"画像透明度", IDC_VALUE_EDIT, L"AlphaValue", static_cast<DWORD>(-3), L"2",
     {L"1", L"11", L"x5"}, L"2 から 10 の整数を入力してください。", Way::Button, Way::Key, L"5",
     {L"-a", L"5", L"-C", L"FF00", L"invoice", L"C:\\Docs"}},
};
constexpr COLORREF kGreen = 0x00FF00;

void End(const RemoteDialog& dialog, int button, int edit, Way way) {
    if (way == Way::Button) dialog.Press(button);
    if (way == Way::Key) dialog.PostKey(edit, button == IDOK ? VK_RETURN : VK_ESCAPE);
    if (way == Way::CloseBox) dialog.PostCloseBox();
    EXPECT_TRUE(dialog.WaitClosed());
}

COLORREF ButtonColour(const RemoteDialog& dialog) {
    return static_cast<COLORREF>(SendMessageW(dialog.Item(IDC_COLOUR_BUTTON), CBM_GETCOLOUR, 0, 0));
}

// Opens the colour button's palette and presses the keys there; each
// sequence here ends the palette.
void InPalette(const RemoteDialog& dialog, std::initializer_list<WORD> keys) {
    PostMessageW(dialog.Item(IDC_COLOUR_BUTTON), BM_CLICK, 0, 0);
    HWND palette = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        palette = reinterpret_cast<HWND>(SendMessageW(dialog.Item(IDC_COLOUR_BUTTON), CBM_GETPALETTE, 0, 0));
        return palette && IsWindowVisible(palette);
    }));
    for (WORD key : keys) PostMessageW(palette, WM_KEYDOWN, key, 1);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(palette); }));
    dialog.Settle();
}

// Picks 0, 128, 255 in the system colour chooser behind "other colours".
void PickInChooser(const RemoteDialog& dialog) {
    InPalette(dialog, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});  // below the last row
    HWND opened = nullptr;  // the window that takes the focus from the dialog
    ASSERT_TRUE(WaitUntil([&] { return (opened = GetAncestor(dialog.Focus(), GA_ROOT)) && opened != dialog.Window(); }));
    const RemoteDialog chooser(opened);
    for (const auto& [id, value] : {std::pair{706, L"0"}, {707, L"128"}, {708, L"255"}}) chooser.SetText(id, value);
    chooser.Press(IDOK);
    EXPECT_TRUE(chooser.WaitClosed());
    dialog.Settle();
}

Snapshot WithoutPositions(Snapshot snapshot) {
    for (auto it = snapshot.begin(); it != snapshot.end();)
        it = it->first.rfind(kPlacement, 0) == 0 ? snapshot.erase(it) : std::next(it);
    return snapshot;
}

class OptionDialogs : public ::testing::TestWithParam<OptionDialog> {};
}  // namespace

TEST_P(OptionDialogs, ShowValidateCancelConfirmAndReachTheSearch) {
    const OptionDialog& d = GetParam();
    const bool frame = d.command == ID_SETTINGS_FRAME;
    StandInTool tool;
    ProgramUnderTest program(/*withStandIn=*/true);
    StoreQuietRun(L"C:\\Docs");
    Write(kSettings, L"ColorRefValue", kGreen);
    if (d.valueName) Write(kSettings, d.valueName, d.stored);
    program.Start();
    const Snapshot before = TakeSnapshot();

    RemoteDialog dialog = program.OpenDialog(d.command, d.caption);
    EXPECT_EQ(dialog.Text(d.edit), d.shown);
    EXPECT_EQ(dialog.Focus(), dialog.Item(IDOK));
    EXPECT_FALSE(program.IsEnabled()) << "the search dialog waits for the option dialog";
    if (frame) EXPECT_EQ(ButtonColour(dialog), kGreen);
    for (const std::wstring& entry : d.invalid) {
        dialog.SetText(d.edit, entry);
        dialog.Press(IDOK);
        const bool number = !entry.empty() && entry.find_first_not_of(L"0123456789") == std::wstring::npos;
        EXPECT_EQ(program.TakeMessage(), number ? d.rangeMessage : L"整数を入力してください。");
        dialog.Settle();
        ASSERT_TRUE(IsWindowVisible(dialog.Window())) << "stays open";
        EXPECT_EQ(dialog.Focus(), dialog.Item(d.edit));
        EXPECT_EQ(dialog.EditSelection(d.edit), MAKELONG(0, entry.size()));
        EXPECT_EQ(TakeSnapshot(), before);
    }

    dialog.SetText(d.edit, d.confirmed);
    if (frame) {
        InPalette(dialog, {VK_RIGHT, VK_ESCAPE});
        EXPECT_EQ(ButtonColour(dialog), kGreen) << "Esc closes only the palette";
        InPalette(dialog, {VK_DOWN, VK_RETURN});
        EXPECT_NE(ButtonColour(dialog), kGreen);
    }
    End(dialog, IDCANCEL, d.edit, d.cancel);
    EXPECT_EQ(WithoutPositions(TakeSnapshot()), before);

    dialog = program.OpenDialog(d.command, d.caption);
    EXPECT_EQ(dialog.Text(d.edit), d.shown) << "cancelled";
    dialog.SetText(d.edit, d.confirmed);
    if (frame) PickInChooser(dialog);
    End(dialog, IDOK, d.edit, d.confirm);
    if (d.valueName) EXPECT_EQ(ReadInt(kSettings, d.valueName), std::stoul(d.confirmed));
    if (frame) EXPECT_EQ(ReadInt(kSettings, L"ColorRefValue"), 0xFF8000u);

    dialog = program.OpenDialog(d.command, d.caption);
    EXPECT_EQ(dialog.Text(d.edit), d.confirmed);
    if (frame) EXPECT_EQ(ButtonColour(dialog), 0xFF8000u);
    End(dialog, IDCANCEL, d.edit, Way::Button);

    program.SetText(IDC_SEARCH_STRING, L"invoice");
    program.Press(IDC_SEARCH);
    const auto records = tool.WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].args, d.search);
    ASSERT_TRUE(WaitUntil([&] { return program.IsEnabled(); }));
    ASSERT_TRUE(program.Close());
    EXPECT_FALSE(HoldsText(TakeSnapshot(), d.confirmed.substr(0, 4) + L"wörd")) << "the password is never stored";
}

INSTANTIATE_TEST_SUITE_P(Each, OptionDialogs, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });
