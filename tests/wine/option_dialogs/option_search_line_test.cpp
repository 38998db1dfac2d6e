// Values confirmed in the option dialogs reach the next search line;
// cancelled ones, the default opacity and a cleared password do not.
#include <gtest/gtest.h>

#include <functional>

#include "option_dialogs/option_dialog.h"
#include "resources/resource.h"
#include "support/recorder_files.h"

namespace {
const std::wstring kInput = L"C:\\Docs";

// A quiet run of the stand-in tool, which adds no option of its own; its arguments.
std::vector<std::wstring> SearchArguments(const std::function<void(const ProgramUnderTest&)>& setOptions) {
    RecorderFiles recorder;
    ProgramUnderTest program(/*withRecorder=*/true);
    program_registry::WriteInt(L"Settings", L"CloseCommandPrompt", 1);
    program_registry::WriteInt(L"Settings", L"ImageFormat", 0xFFFFFFFF);
    program_registry::WriteString(L"Settings", L"InputName", kInput);
    for (const wchar_t* box : {L"Header", L"FieldFolder", L"FieldFile", L"FieldSString"})
        program_registry::WriteInt(L"Settings\\CSV", box, 1);
    program.Start();
    setOptions(program);
    program.SetText(IDC_SEARCH_STRING, L"invoice");
    PostMessageW(program.Item(IDC_SEARCH), BM_CLICK, 0, 0);
    const auto records = recorder.WaitForRecords(1);
    WaitForEnabled(program.Dialog(), true);
    return records.empty() ? std::vector<std::wstring>{} : records[0].args;
}

enum Close { kOk, kCancel, kCloseBox };

// Opens the dialog, types the text (none: keeps what is shown) and closes it.
void SetOption(const ProgramUnderTest& program, int command, const std::wstring& caption, int edit,
               const wchar_t* text, bool pickBlue, Close close) {
    OptionDialog dialog(program, caption, command);
    if (text) dialog.SetText(edit, text);
    if (pickBlue) {
        PostMessageW(dialog.Item(IDC_COLOUR_BUTTON), BM_CLICK, 0, 0);
        const HWND palette = dialog.WaitForPalette();
        ASSERT_NE(palette, nullptr);
        PostMessageW(palette, WM_KEYDOWN, VK_DOWN, 1);  // from red to blue, printed as FF
        PostMessageW(palette, WM_KEYDOWN, VK_RETURN, 1);
        for (int i = 0; i < 250 && IsWindow(palette); ++i) Sleep(20);
    }
    if (close == kCloseBox)
        PostMessageW(dialog.Window(), WM_SYSCOMMAND, SC_CLOSE, 0);
    else
        dialog.Press(close == kOk ? IDOK : IDCANCEL);
    EXPECT_TRUE(dialog.WaitClosed());
}
}  // namespace

TEST(OptionSearchLine, ConfirmedValuesReachTheTool) {
    const auto args = SearchArguments([](const ProgramUnderTest& program) {
        SetOption(program, ID_SETTINGS_PASSWORD, kPasswordCaption, IDC_PASSWORD_EDIT, L"open sesame", false, kOk);
        SetOption(program, ID_SETTINGS_OPACITY, kOpacityCaption, IDC_VALUE_EDIT, L"5", false, kOk);
        SetOption(program, ID_SETTINGS_FRAME, kFrameCaption, IDC_VALUE_EDIT, L"5", true, kOk);
    });
    EXPECT_EQ(args, (std::vector<std::wstring>{L"-p", L"open sesame", L"-a", L"5", L"-w", L"5", L"-C", L"FF",
                                               L"invoice", kInput}));
}

TEST(OptionSearchLine, CancelledDefaultAndClearedValuesLeaveTheLineAlone) {
    const auto args = SearchArguments([](const ProgramUnderTest& program) {
        SetOption(program, ID_SETTINGS_PASSWORD, kPasswordCaption, IDC_PASSWORD_EDIT, L"first", false, kOk);
        SetOption(program, ID_SETTINGS_PASSWORD, kPasswordCaption, IDC_PASSWORD_EDIT, L"", false, kOk);
        SetOption(program, ID_SETTINGS_PASSWORD, kPasswordCaption, IDC_PASSWORD_EDIT, L"open sesame", false, kCancel);
        SetOption(program, ID_SETTINGS_OPACITY, kOpacityCaption, IDC_VALUE_EDIT, L"5", false, kCancel);
        SetOption(program, ID_SETTINGS_OPACITY, kOpacityCaption, IDC_VALUE_EDIT, nullptr, false, kOk);  // the shown 10
        SetOption(program, ID_SETTINGS_FRAME, kFrameCaption, IDC_VALUE_EDIT, L"5", true, kCloseBox);
    });
    EXPECT_EQ(args, (std::vector<std::wstring>{L"-C", L"FF0000", L"invoice", kInput}));
}
