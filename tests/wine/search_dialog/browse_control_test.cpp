// The path fields' browse buttons with the real pickers, opened by mouse and keyboard.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/wait.h"

namespace {
// Memory in the program's address space, for messages that carry pointers.
class RemoteMemory {
public:
    RemoteMemory(DWORD processId, size_t size)
        : m_process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId)),
          m_address(VirtualAllocEx(m_process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
    ~RemoteMemory() {
        VirtualFreeEx(m_process, m_address, 0, MEM_RELEASE);
        CloseHandle(m_process);
    }
    char* At(size_t offset) const { return static_cast<char*>(m_address) + offset; }
    void Write(size_t offset, const void* data, size_t size) const {
        WriteProcessMemory(m_process, At(offset), data, size, nullptr);
    }
    void Read(size_t offset, void* data, size_t size) const {
        ReadProcessMemory(m_process, At(offset), data, size, nullptr);
    }

private:
    HANDLE m_process;
    void* m_address;
};

enum class Opening { F4, Mouse };

HWND OpenPicker(const ProgramUnderTest& program, int field, Opening opening) {
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
    return WaitForProcessWindow(program.ProcessId(), L"", program.Window());
}

void Confirm(HWND picker) {
    PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(picker, IDOK)));
    EXPECT_TRUE(RemoteDialog(picker).WaitClosed());
}

// Types a full path into the Open File dialog's name box and confirms.
void PickFile(HWND picker, const std::wstring& path) {
    const HWND name = GetDlgItem(picker, 0x47C);  // the file name combo box
    SendMessageW(reinterpret_cast<HWND>(SendMessageW(name, CBEM_GETEDITCONTROL, 0, 0)), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(path.c_str()));
    Confirm(picker);
}

std::wstring SelectedName(const ProgramUnderTest& program, HWND tree) {
    const RemoteMemory memory(program.ProcessId(), sizeof(TVITEMW) + MAX_PATH * sizeof(wchar_t));
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = reinterpret_cast<wchar_t*>(memory.At(sizeof item));
    item.cchTextMax = MAX_PATH;
    memory.Write(0, &item, sizeof item);
    wchar_t text[MAX_PATH] = {};
    if (item.hItem && SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(memory.At(0))))
        memory.Read(sizeof item, text, sizeof text);
    return text;
}

// Selects the folder in the folder picker as its owner would, until its tree shows it selected.
void PickFolder(const ProgramUnderTest& program, HWND picker, const std::wstring& folder) {
    HWND tree = nullptr;
    EnumChildWindows(
        picker,
        [](HWND child, LPARAM found) {
            wchar_t name[32] = {};
            GetClassNameW(child, name, 32);
            if (lstrcmpiW(name, WC_TREEVIEWW) != 0) return TRUE;
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&tree));
    const RemoteMemory path(program.ProcessId(), (folder.size() + 1) * sizeof(wchar_t));
    path.Write(0, folder.c_str(), (folder.size() + 1) * sizeof(wchar_t));
    const std::wstring name = folder.substr(folder.rfind(L'\\') + 1);
    // Wine may still be expanding the tree towards the picker's own first selection.
    EXPECT_TRUE(WaitUntil([&] {
        if (SelectedName(program, tree) == name) return true;
        SendMessageW(picker, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.At(0)));
        return false;
    }));
    Confirm(picker);
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
    const HWND filePicker = OpenPicker(m_program, IDC_INPUT_PATH, Opening::F4);
    ASSERT_TRUE(filePicker);
    PickFile(filePicker, m_pdf);
    m_program.Settle();
    EXPECT_EQ(m_program.Text(IDC_INPUT_PATH), m_pdf);
    EXPECT_EQ(Selection(m_program), std::pair(DWORD(m_pdf.size()), DWORD(m_pdf.size()))) << "caret behind the end";
    EXPECT_EQ(m_program.DefaultButtonId(), IDC_SEARCH);
    EXPECT_TRUE(m_program.HasDefPushStyle(IDC_SEARCH));
    EXPECT_FALSE(m_program.HasDefPushStyle(IDCANCEL));
    m_program.SetText(IDC_SEARCH_STRING, L"");
    EXPECT_EQ(m_program.DefaultButtonId(), IDCANCEL) << "the search string is needed too";

    ASSERT_FALSE(m_program.IsEnabled(IDC_CREATE_IMAGE));
    const HWND folderPicker = OpenPicker(m_program, IDC_OUTPUT_FOLDER, Opening::Mouse);
    ASSERT_TRUE(folderPicker);
    PickFolder(m_program, folderPicker, m_pdfFolder);
    m_program.Settle();
    EXPECT_EQ(m_program.Text(IDC_OUTPUT_FOLDER), m_pdfFolder);
    EXPECT_TRUE(m_program.IsEnabled(IDC_CREATE_IMAGE));
}

TEST_F(BrowseControl, CancelledPicksChangeNothing) {
    m_program.Start();
    const std::wstring before = m_folder.Path() + L"\\old.pdf";
    m_program.SetText(IDC_INPUT_PATH, before);
    m_program.SetText(IDC_SEARCH_STRING, L"x");
    SendMessageW(m_program.Item(IDC_INPUT_PATH), EM_SETSEL, 2, 5);
    for (const auto& [field, opening] : {std::pair{IDC_INPUT_PATH, Opening::Mouse}, {IDC_OUTPUT_FOLDER, Opening::F4}}) {
        const HWND picker = OpenPicker(m_program, field, opening);
        ASSERT_TRUE(picker) << field;
        PostMessageW(picker, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_TRUE(RemoteDialog(picker).WaitClosed());
        m_program.Settle();
    }
    EXPECT_EQ(m_program.Text(IDC_INPUT_PATH), before);
    EXPECT_EQ(m_program.Text(IDC_OUTPUT_FOLDER), L"");
    EXPECT_EQ(Selection(m_program), std::pair(DWORD(2), DWORD(5)));
    EXPECT_FALSE(m_program.IsEnabled(IDC_CREATE_IMAGE));
}
