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

std::pair<DWORD, DWORD> Selection(const ProgramUnderTest& program) {
    DWORD start = 0, end = 0;
    SendMessageW(program.Item(IDC_INPUT_PATH), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

class BrowseControl : public ::testing::Test {
protected:
    TempFolder m_folder{L"browse"};
    std::wstring m_pdfFolder = m_folder.Path() + L"\\" + std::wstring(40, L'長');
    std::wstring m_pdf = m_pdfFolder + L"\\請求書.pdf";
    ProgramUnderTest m_program;
};
}  // namespace

TEST_F(BrowseControl, ConfirmedPicksFillTheFieldsAndUpdateTheDialog) {
    MakeFile(m_pdf);
    m_program.Start();
    m_program.SetText(IDC_SEARCH_STRING, L"請求");
    Pick(m_program, IDC_INPUT_PATH, Opening::F4, IDOK, m_pdf);
    EXPECT_EQ(m_program.Text(IDC_INPUT_PATH), m_pdf);
    EXPECT_EQ(Selection(m_program), std::pair(DWORD(m_pdf.size()), DWORD(m_pdf.size()))) << "caret behind the end";
    EXPECT_EQ(m_program.DefaultButton(), IDC_SEARCH);
    m_program.SetText(IDC_SEARCH_STRING, L"");
    EXPECT_EQ(m_program.DefaultButton(), IDCANCEL) << "the search string is needed too";

    // The folder picker opens on the folder of the field's path, and OK takes it.
    m_program.SetText(IDC_OUTPUT_FOLDER, m_pdf);
    ASSERT_FALSE(m_program.IsEnabled(IDC_CREATE_IMAGE));
    Pick(m_program, IDC_OUTPUT_FOLDER, Opening::Mouse, IDOK);
    EXPECT_EQ(m_program.Text(IDC_OUTPUT_FOLDER), m_pdfFolder);
    EXPECT_TRUE(m_program.IsEnabled(IDC_CREATE_IMAGE)) << "a pick updates the dialog";
}

TEST_F(BrowseControl, CancelledPicksChangeNothing) {
    m_program.Start();
    const std::wstring before = m_folder.Path() + L"\\old.pdf";
    m_program.SetText(IDC_INPUT_PATH, before);
    m_program.SetText(IDC_SEARCH_STRING, L"x");
    SendMessageW(m_program.Item(IDC_INPUT_PATH), EM_SETSEL, 2, 5);
    Pick(m_program, IDC_INPUT_PATH, Opening::Mouse, IDCANCEL);
    Pick(m_program, IDC_OUTPUT_FOLDER, Opening::F4, IDCANCEL);
    EXPECT_EQ(m_program.Text(IDC_INPUT_PATH), before);
    EXPECT_EQ(m_program.Text(IDC_OUTPUT_FOLDER), L"");
    EXPECT_EQ(Selection(m_program), std::pair(DWORD(2), DWORD(5)));
    EXPECT_FALSE(m_program.IsEnabled(IDC_CREATE_IMAGE));
}
