// The path fields' browse buttons with the real pickers, opened by mouse and keyboard.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"
#include "support/program_under_test.h"

namespace {
enum class Opening { F4, Mouse };

// Opens the field's picker and confirms it with OK or leaves it with Cancel.
void Pick(const ProgramUnderTest& program, int field, Opening opening, int button,
          const std::wstring& typedName = L"") {
    if (opening == Opening::F4) {
        program.PostKey(field, VK_F4);
    } else {
        // The button fills the right end of the field, as wide as the field is high.
        RECT rect{};
        GetWindowRect(program.Item(field), &rect);
        SetCursorPos(rect.right - (rect.bottom - rect.top) / 2, (rect.top + rect.bottom) / 2);
        INPUT clicks[2] = {};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, clicks, sizeof(INPUT));
    }
    const RemoteDialog picker(WaitForProcessWindow(program.ProcessId(), L"", program.Window()));
    ASSERT_TRUE(picker.Window()) << "no picker for " << field;
    picker.Settle();
    if (!typedName.empty()) {
        const HWND name = picker.Item(0x47C);  // the Open File dialog's file name combo box
        SendMessageW(reinterpret_cast<HWND>(SendMessageW(name, CBEM_GETEDITCONTROL, 0, 0)), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(typedName.c_str()));
    }
    picker.Press(button);
    EXPECT_TRUE(picker.WaitClosed());
    program.Settle();
}

}  // namespace

// Cancelled picks change nothing; confirmed ones fill the fields and update the dialog.
TEST(BrowseControl, PickersByMouseAndKeyboard) {
    const TempFolder folder(L"browse");
    const std::wstring pdfFolder = folder.Path() + L"\\" + std::wstring(40, L'長'), pdf = pdfFolder + L"\\請求書.pdf";
    MakeFile(pdf);
    ProgramUnderTest program;
    program.Start();
    const std::wstring before = folder.Path() + L"\\old.pdf";
    program.SetText(IDC_INPUT_PATH, before);
    program.SetText(IDC_SEARCH_STRING, L"請求");
    SendMessageW(program.Item(IDC_INPUT_PATH), EM_SETSEL, 2, 5);
    Pick(program, IDC_INPUT_PATH, Opening::Mouse, IDCANCEL);
    Pick(program, IDC_OUTPUT_FOLDER, Opening::F4, IDCANCEL);
    EXPECT_EQ(program.Text(IDC_INPUT_PATH), before);
    EXPECT_EQ(program.Text(IDC_OUTPUT_FOLDER), L"");
    EXPECT_EQ(program.EditSelection(IDC_INPUT_PATH), MAKELONG(2, 5));
    EXPECT_FALSE(program.IsEnabled(IDC_CREATE_IMAGE));

    program.SetText(IDC_INPUT_PATH, L"");
    Pick(program, IDC_INPUT_PATH, Opening::F4, IDOK, pdf);
    EXPECT_EQ(program.Text(IDC_INPUT_PATH), pdf);
    EXPECT_EQ(program.EditSelection(IDC_INPUT_PATH), MAKELONG(pdf.size(), pdf.size())) << "caret behind the end";
    EXPECT_EQ(program.DefaultButton(), IDC_SEARCH);
    program.SetText(IDC_SEARCH_STRING, L"");
    EXPECT_EQ(program.DefaultButton(), IDCANCEL) << "the search string is needed too";

    // The folder picker opens on the folder of the field's path, and OK takes it.
    program.SetText(IDC_OUTPUT_FOLDER, pdf);
    ASSERT_FALSE(program.IsEnabled(IDC_CREATE_IMAGE));
    Pick(program, IDC_OUTPUT_FOLDER, Opening::Mouse, IDOK);
    EXPECT_EQ(program.Text(IDC_OUTPUT_FOLDER), pdfFolder);
    EXPECT_TRUE(program.IsEnabled(IDC_CREATE_IMAGE)) << "a pick updates the dialog";
}
