// The whole chain as a user drives it: the dialog, the real cmd.exe and the
// search tool built for Windows, run from a program directory with a blank
// in its name as "Program Files" has: what stops when the console is
// closed or Ctrl+C is typed on it. (What lands on disk: the packaged-program test, run from the
// unpacked and the installed package.) The console bridge to the Linux
// build is checked on its own.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <filesystem>
#include <fstream>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/wait_until.h"

namespace {
using namespace program_registry;
namespace fs = std::filesystem;

// Windows processes started from the folder: the tool and its workers.
std::vector<DWORD> ProcessesFrom(const std::wstring& folder) {
    std::vector<DWORD> found;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry)) {
        const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        wchar_t path[MAX_PATH * 4];
        DWORD size = MAX_PATH * 4;
        if (process && QueryFullProcessImageNameW(process, 0, path, &size) && _wcsnicmp(path, folder.c_str(), folder.size()) == 0)
            found.push_back(entry.th32ProcessID);
        if (process) CloseHandle(process);
    }
    CloseHandle(snapshot);
    return found;
}

// Runs a program and waits for it; its exit status.
DWORD RunAndWait(const wchar_t* program, std::wstring line) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    DWORD status = 99;
    if (!CreateProcessW(program, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &process))
        return status;
    if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 99);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return status;
}

// A copy of the program directory that the test command assembles
// (<build>\program: the program, the Windows tool and its data files), its
// files linked rather than copied.
class Pipeline : public ::testing::Test {
protected:
    Pipeline() {
        fs::copy(m_build + L"\\program", m_programDir.Path(),
                 fs::copy_options::recursive | fs::copy_options::create_hard_links | fs::copy_options::overwrite_existing);
        Write(kSettings, L"FileOrFolder", 1);
        Write(kSettings, L"InputName", m_docs.Path());
        Write(kSettings, L"OutputFolderName", m_out.Path());
        Write(kSettings, L"CloseCommandPrompt", 1);
    }
    const std::wstring m_build = TestProgramDirectory() + L"\\..\\..\\..";
    TempFolder m_programDir{L"program files"};
    TempFolder m_docs{L"docs"};
    TempFolder m_out{L"out"};
    ProgramUnderTest m_program{m_programDir.Path()};
    const std::wstring m_tool = m_programDir.Path() + L"\\Zuvediv.exe";
};
}  // namespace

BOOL WINAPI SwallowCtrlC(DWORD) { return TRUE; }

// Ctrl+C typed on the tool's console: sent from here, attached to that
// console for the moment (the workers have none). This process keeps
// swallowing its own copy, which may arrive after the console is left.
bool PressCtrlC(const std::vector<DWORD>& processes) {
    SetConsoleCtrlHandler(SwallowCtrlC, TRUE);
    bool sent = false;
    for (DWORD process : processes) {
        FreeConsole();
        if (!AttachConsole(process)) continue;
        sent = GenerateConsoleCtrlEvent(CTRL_C_EVENT, 0);
        FreeConsole();
        break;
    }
    return sent;
}

// A folder long enough to search that the run is stopped in the middle: the
// tool and its workers end, and the list stays as it was.
class StoppedSearch : public Pipeline {
protected:
    void SetUp() override {
        const std::wstring sample = m_build + L"\\native\\samples\\pdf\\請求書_2026-11.pdf";
        for (int i = 0; i < 2000; ++i)
            CreateHardLinkW((m_docs.Path() + L"\\" + std::to_wstring(i) + L".pdf").c_str(), sample.c_str(), nullptr);
        std::ofstream(fs::path(m_out.Path() + L"\\結果.csv"), std::ios::binary) << "previous list";
        m_program.Start();
        m_program.SetText(IDC_SEARCH_STRING, L"請求書");
        m_program.SetText(IDC_CSV_FILE_NAME, L"結果");
        for (int box : {IDC_CREATE_IMAGE, IDC_CSV_FILE}) m_program.Click(box);
        m_program.Press(IDC_SEARCH);
        const auto pagesDrawn = [&] { return std::distance(fs::directory_iterator(m_out.Path()), fs::directory_iterator()) > 4; };
        ASSERT_TRUE(WaitUntil(pagesDrawn, 60000)) << "the search draws pages";
        ASSERT_GE(ProcessesFrom(m_tool).size(), 3u) << "the tool and its two workers";
    }
    void ExpectStoppedLeavingThePreviousList() {
        ASSERT_TRUE(WaitUntil([&] { return m_program.IsEnabled(); })) << "the dialog comes back";
        EXPECT_TRUE(WaitUntil([&] { return ProcessesFrom(m_tool).empty(); }, 1000)) << "the tool or a worker is left";
        EXPECT_EQ(ReadFileBytes(m_out.Path() + L"\\結果.csv"), "previous list");
        for (const auto& entry : fs::directory_iterator(m_out.Path()))  // no half-made list under another name
            EXPECT_TRUE(entry.path().extension() == L".png" || entry.path().filename() == L"結果.csv") << entry.path();
    }
};

TEST_F(StoppedSearch, ClosingTheConsoleEndsTheToolAndLeavesThePreviousList) {
    HWND console = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (console = ConsoleWindow()) != nullptr; }));
    PostMessageW(console, WM_CLOSE, 0, 0);
    ExpectStoppedLeavingThePreviousList();
}

TEST_F(StoppedSearch, CtrlCEndsTheToolAndLeavesThePreviousList) {
    ASSERT_TRUE(PressCtrlC(ProcessesFrom(m_tool))) << "Ctrl+C sent to the tool's console";
    ExpectStoppedLeavingThePreviousList();
}

// The Linux build behind the console bridge (<build>\program-linux).
TEST(ConsoleBridge, WithoutTheNativeToolEndsWithStatus2) {
    const TempFolder programDir{L"program files"};
    const std::wstring bridge = programDir.Path() + L"\\Zuvediv.exe";
    ASSERT_TRUE(CopyFileW((TestProgramDirectory() + L"\\..\\..\\..\\program-linux\\Zuvediv.exe").c_str(), bridge.c_str(), FALSE));
    EXPECT_EQ(RunAndWait(nullptr, L"\"" + bridge + L"\" -h"), 2u);
}
