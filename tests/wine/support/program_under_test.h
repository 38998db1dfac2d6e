#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The real program, copied into a fresh program directory and started as its
// own process; driven from here by window messages only. The program's
// registry key is removed before and after, so no test sees another's values.
class ProgramUnderTest {
public:
    // With a recorder, a stand-in for the search tool lies next to the program.
    explicit ProgramUnderTest(bool withRecorder = false);
    // Runs the program where it already lies, with whatever stands beside it.
    struct InPlace {
        std::wstring programDirectory;
    };
    explicit ProgramUnderTest(const InPlace& place);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Starts the program (again, once it has ended) and waits for its dialog.
    void Start();
    bool WaitForExit(DWORD milliseconds = 15000) {
        return WaitForSingleObject(m_process.hProcess, milliseconds) == WAIT_OBJECT_0;
    }
    bool IsRunning() const { return m_process.hProcess && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT; }

    HWND Dialog() const { return m_dialog; }
    HWND Item(int id) const { return GetDlgItem(m_dialog, id); }
    const std::wstring& ProgramDirectory() const { return m_programDir; }
    DWORD ProcessId() const { return m_process.dwProcessId; }

    std::wstring Text(int id) const;
    void SetText(int id, const std::wstring& text) const {
        SendMessageW(Item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    bool IsChecked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    bool IsEnabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    bool IsVisible(int id) const { return IsWindowVisible(Item(id)) != FALSE; }
    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    // A menu command, as the menu bar sends it.
    void PostCommand(int id) const { PostMessageW(m_dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // A key pressed while the given control has the focus.
    void PostKey(int id, WORD key) const;
    int DefaultButtonId() const;
    bool HasDefPushStyle(int id) const { return (GetWindowLongW(Item(id), GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON; }
    int ComboSelection(int id) const { return static_cast<int>(SendMessageW(Item(id), CB_GETCURSEL, 0, 0)); }
    int ComboCount(int id) const { return static_cast<int>(SendMessageW(Item(id), CB_GETCOUNT, 0, 0)); }
    HWND FocusWindow() const;
    // Waits until the dialog's thread has handled everything sent so far.
    void Settle() const;

private:
    void EndProcess();
    std::wstring m_programDir;
    bool m_ownsProgramDir = true;
    PROCESS_INFORMATION m_process{};
    HWND m_dialog = nullptr;
};

// Waits for a top-level window of the process with this caption (any caption if empty).
HWND WaitForProcessWindow(DWORD processId, const std::wstring& caption, DWORD milliseconds = 15000,
                          HWND except = nullptr);

// The program's registry profile, read and written directly.
namespace program_registry {
void Clear();
std::optional<DWORD> ReadInt(const std::wstring& section, const std::wstring& name);
std::optional<std::wstring> ReadString(const std::wstring& section, const std::wstring& name);
std::optional<std::vector<uint8_t>> ReadBinary(const std::wstring& section, const std::wstring& name);
void WriteInt(const std::wstring& section, const std::wstring& name, DWORD value);
void WriteString(const std::wstring& section, const std::wstring& name, const std::wstring& value);
void WriteBinary(const std::wstring& section, const std::wstring& name, const std::vector<uint8_t>& bytes);
}  // namespace program_registry

// The text of a control of another process.
std::wstring ControlText(HWND control);

// Directory of the test program itself.
std::wstring TestProgramDirectory();
