#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "support/program_registry.h"
#include "support/remote_dialog.h"
#include "support/temp_folder.h"

// The folder of the test program itself: <build>\tests\wine.
std::wstring TestProgramDirectory();
// The visible window of a console host: the console a search runs in; none if there is none.
HWND ConsoleWindow();

// The real program started as a process of its own and its search dialog.
// The program's registry key is cleared before and after, so that no test
// sees another's values; the process and every process it started are ended
// when the object goes.
class ProgramUnderTest : public RemoteDialog {
public:
    // A fresh copy of the program; with the stand-in, the recording stand-in
    // for the search tool lies beside it as Zuvediv.exe.
    explicit ProgramUnderTest(bool withStandIn = false);
    // The program where it already lies, with whatever stands beside it.
    explicit ProgramUnderTest(const std::wstring& programDirectory);
    ~ProgramUnderTest();
    ProgramUnderTest(const ProgramUnderTest&) = delete;
    ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

    // Starts the program (again, once it has ended) and waits for its dialog.
    void Start();
    bool WaitForExit() const;
    // Closes the dialog through its close box and waits for the program's end.
    bool Close() const;
    const std::wstring& ProgramDirectory() const { return m_programDir; }
    DWORD ProcessId() const { return m_process.dwProcessId; }

    // Search or Close when the dialog names it its default and it alone of
    // the two is drawn as the default; else 0.
    int DefaultButton() const;
    // Waits for a dialog of the program with this caption.
    RemoteDialog WaitForDialog(const std::wstring& caption) const;
    // Posts the menu command and waits for the dialog it opens.
    RemoteDialog OpenDialog(int command, const std::wstring& caption) const;
    // Waits for the program's message box, returns its text and presses OK.
    std::wstring TakeMessage() const;

private:
    void EndProcess();

    std::optional<TempFolder> m_copy;
    std::wstring m_programDir;
    HANDLE m_job = nullptr;
    PROCESS_INFORMATION m_process{};
};
