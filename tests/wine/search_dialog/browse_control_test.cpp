// The path fields' browse button with the real pickers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/temp_folder.h"

namespace {
// Opens the field's picker from the keyboard (F4) and returns its window.
HWND OpenPicker(const ProgramUnderTest& program, int field) {
    program.PostKey(field, VK_F4);
    return WaitForProcessWindow(program.ProcessId(), L"", 15000, program.Dialog());
}

std::pair<DWORD, DWORD> Selection(const ProgramUnderTest& program) {
    DWORD start = 0, end = 0;
    SendMessageW(program.Item(IDC_INPUT_PATH), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

// The folder picker selects the start folder by expanding its tree step by
// step after it shows; wait until the selection and the tree stop changing.
void WaitForSettledFolderTree(HWND picker) {
    HWND tree = nullptr;
    EnumChildWindows(
        picker,
        [](HWND child, LPARAM found) -> BOOL {
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            if (lstrcmpiW(name, WC_TREEVIEWW) != 0) return TRUE;
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tree));
    if (!tree) return;
    LRESULT lastCaret = -1, lastCount = -1;
    int stableRounds = 0;
    for (int i = 0; i < 200 && stableRounds < 10; ++i) {
        Sleep(50);
        const LRESULT caret = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
        const LRESULT count = SendMessageW(tree, TVM_GETCOUNT, 0, 0);
        stableRounds = caret != 0 && caret == lastCaret && count == lastCount ? stableRounds + 1 : 0;
        lastCaret = caret;
        lastCount = count;
    }
}

// BFFM_SETSELECTIONW takes a path in the picker's own address space.
void SelectInFolderPicker(const ProgramUnderTest& program, HWND picker, const std::wstring& folder) {
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, program.ProcessId());
    ASSERT_TRUE(process);
    const SIZE_T bytes = (folder.size() + 1) * sizeof(wchar_t);
    void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    ASSERT_TRUE(remote);
    ASSERT_TRUE(WriteProcessMemory(process, remote, folder.c_str(), bytes, nullptr));
    SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(remote));
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
}

void WaitGone(HWND window) {
    for (int i = 0; i < 250 && IsWindow(window); ++i) Sleep(20);
}

// Types a full path into the Open File dialog's name box and confirms.
void ConfirmFile(HWND picker, const std::wstring& path) {
    HWND name = GetDlgItem(picker, 0x47C);  // the file name combo box
    HWND edit = name ? reinterpret_cast<HWND>(SendMessageW(name, CBEM_GETEDITCONTROL, 0, 0)) : nullptr;
    ASSERT_TRUE(edit);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
    PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(picker, IDOK)));
    WaitGone(picker);
}

class BrowseControl : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = MakeTempFolder(L"browse");
        m_pdf = m_folder + L"\\" + std::wstring(40, L'長') + L"\\請求書.pdf";
        MakeFile(m_pdf);
    }
    void TearDown() override { RemoveTempFolder(m_folder); }
    std::wstring m_folder;
    std::wstring m_pdf;
};
}  // namespace

TEST_F(BrowseControl, ConfirmedFilePickUpdatesTextCaretAndDefaultButton) {
    ProgramUnderTest program;
    program.Start();
    program.SetText(IDC_SEARCH_STRING, L"請求");
    ASSERT_EQ(program.DefaultButtonId(), IDCANCEL);

    const HWND picker = OpenPicker(program, IDC_INPUT_PATH);
    ASSERT_TRUE(picker);
    ConfirmFile(picker, m_pdf);
    program.Settle();

    EXPECT_EQ(program.Text(IDC_INPUT_PATH), m_pdf);
    EXPECT_EQ(Selection(program), std::pair(DWORD(m_pdf.size()), DWORD(m_pdf.size()))) << "caret behind the last character";
    EXPECT_EQ(program.DefaultButtonId(), IDC_SEARCH);
}

TEST_F(BrowseControl, ConfirmedFolderPickEnablesCreateImage) {
    ProgramUnderTest program;
    program.Start();
    // The picker opens in the folder of the current path; confirm that folder.
    program.SetText(IDC_OUTPUT_FOLDER, m_pdf);
    ASSERT_FALSE(program.IsEnabled(IDC_CREATE_IMAGE));
    const HWND picker = OpenPicker(program, IDC_OUTPUT_FOLDER);
    ASSERT_TRUE(picker);
    WaitForSettledFolderTree(picker);
    const std::wstring folder = m_pdf.substr(0, m_pdf.rfind(L'\\'));
    // Wine sometimes stops the picker's own first selection half way down the
    // tree; select the folder again as the picker's owner would.
    SelectInFolderPicker(program, picker, folder);
    WaitForSettledFolderTree(picker);
    PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(picker, IDOK)));
    WaitGone(picker);
    program.Settle();

    EXPECT_EQ(program.Text(IDC_OUTPUT_FOLDER), folder);
    EXPECT_TRUE(program.IsEnabled(IDC_CREATE_IMAGE));
}

TEST_F(BrowseControl, CancelledPickChangesNothing) {
    ProgramUnderTest program;
    program.Start();
    const std::wstring before = m_folder + L"\\old.pdf";
    program.SetText(IDC_INPUT_PATH, before);
    program.SetText(IDC_SEARCH_STRING, L"x");
    SendMessageW(program.Item(IDC_INPUT_PATH), EM_SETSEL, 2, 5);
    for (int field : {IDC_INPUT_PATH, IDC_OUTPUT_FOLDER}) {
        const HWND picker = OpenPicker(program, field);
        ASSERT_TRUE(picker) << field;
        PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        WaitGone(picker);
        program.Settle();
    }
    EXPECT_EQ(program.Text(IDC_INPUT_PATH), before);
    EXPECT_EQ(program.Text(IDC_OUTPUT_FOLDER), L"");
    EXPECT_EQ(Selection(program), std::pair(DWORD(2), DWORD(5)));
    EXPECT_FALSE(program.IsEnabled(IDC_CREATE_IMAGE));
}
