// A search stopped by closing its console: the native tool and its workers
// end with the console, and no list or image appears afterwards.
#include <gtest/gtest.h>

#include <windows.h>
#include <tlhelp32.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/wait.h"

namespace {
using namespace program_registry;
namespace fs = std::filesystem;

std::string Ascii(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Native processes whose command line holds the marker, from Wine's view of /proc.
std::vector<std::wstring> NativeProcessesWith(const std::string& marker) {
    std::vector<std::wstring> pids;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(L"Z:\\proc", ec)) {
        const std::wstring name = entry.path().filename().wstring();
        if (name.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
        const std::string stat = ReadFileBytes(entry.path().wstring() + L"\\stat");
        const size_t state = stat.rfind(") ");  // zombies wait for the host's init, which may be slow
        if (state == std::string::npos || stat[state + 2] == 'Z') continue;
        if (ReadFileBytes(entry.path().wstring() + L"\\cmdline").find(marker) != std::string::npos) pids.push_back(name);
    }
    return pids;
}

// Whatever of the tool survives a failed test is ended by the host's kill.
struct NativeReaper {
    std::string marker;
    ~NativeReaper() {
        const std::vector<std::wstring> pids = NativeProcessesWith(marker);
        if (pids.empty()) return;
        std::wstring line = L"kill -9";
        for (const std::wstring& pid : pids) line += L" " + pid;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (CreateProcessW(L"Z:\\bin\\kill", line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
            WaitForSingleObject(process.hProcess, 5000);
            CloseHandle(process.hProcess);
            CloseHandle(process.hThread);
        }
    }
};

// The visible window of a console host: the console the search runs in.
HWND ConsoleWindow() {
    std::vector<DWORD> hosts;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (lstrcmpiW(entry.szExeFile, L"conhost.exe") == 0) hosts.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (IsWindowVisible(window) && std::find(hosts.begin(), hosts.end(), owner) != hosts.end()) return window;
    }
    return nullptr;
}

size_t FilesIn(const std::wstring& folder) {
    size_t count = 0;
    for (auto it = fs::recursive_directory_iterator(folder); it != fs::recursive_directory_iterator(); ++it) ++count;
    return count;
}

class StoppedSearch : public ::testing::Test {
protected:
    // The assembled program directory, and a folder of documents long enough
    // to search that the console is closed in the middle.
    StoppedSearch() {
        const std::wstring build = TestProgramDirectory() + L"\\..\\..\\..";
        for (const wchar_t* exe : {L"\\Vivevav.exe", L"\\Zuvediv.exe"})
            EXPECT_TRUE(CopyFileW((build + L"\\program" + exe).c_str(), (m_programDir.Path() + exe).c_str(), FALSE));
        EXPECT_TRUE(CreateHardLinkW((m_programDir.Path() + L"\\zuvediv").c_str(), (build + L"\\program\\zuvediv").c_str(), nullptr));
        const std::wstring sample = build + L"\\native\\samples\\pdf\\請求書_2026-11.pdf";
        for (int i = 0; i < 2000; ++i)
            CreateHardLinkW((m_docs.Path() + L"\\" + std::to_wstring(i) + L".pdf").c_str(), sample.c_str(), nullptr);
    }

    TempFolder m_programDir{L"stopped"};
    TempFolder m_docs{L"docs"};
    TempFolder m_out{L"out"};
    ProgramUnderTest m_program{m_programDir.Path()};
    // The native tool's first argument, which its workers share; not the
    // program or the bridge, whose command lines hold the folder too.
    NativeReaper m_reaper{Ascii(fs::path(m_programDir.Path()).filename().wstring()) + "\\zuvediv" + '\0'};
};
}  // namespace

TEST_F(StoppedSearch, ClosingTheConsoleEndsTheToolAndNothingIsWrittenAfter) {
    const std::wstring csv = m_out.Path() + L"\\結果.csv";
    std::ofstream(fs::path(csv), std::ios::binary) << "previous list";
    Write(kSettings, L"FileOrFolder", 1);
    Write(kSettings, L"InputName", m_docs.Path());
    Write(kSettings, L"OutputFolderName", m_out.Path());
    Write(kSettings, L"CloseCommandPrompt", 1);
    m_program.Start();
    m_program.SetText(IDC_SEARCH_STRING, L"請求書");
    m_program.SetText(IDC_CSV_FILE_NAME, L"結果");
    m_program.Click(IDC_CREATE_IMAGE);
    m_program.Click(IDC_CSV_FILE);
    m_program.Press(IDC_SEARCH);
    ASSERT_TRUE(WaitUntil([&] { return FilesIn(m_out.Path()) > 4; }, 60000)) << "the search draws pages";
    ASSERT_FALSE(NativeProcessesWith(m_reaper.marker).empty());

    HWND console = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (console = ConsoleWindow()) != nullptr; }));
    PostMessageW(console, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(m_program.Window()) != FALSE; })) << "the dialog comes back";
    EXPECT_TRUE(WaitUntil([&] { return NativeProcessesWith(m_reaper.marker).empty(); }, 1500)) << "the tool is left";
    const size_t filesAtStop = FilesIn(m_out.Path());
    Sleep(1500);
    EXPECT_EQ(FilesIn(m_out.Path()), filesAtStop) << "written after the stop";
    EXPECT_EQ(ReadFileBytes(csv), "previous list");
}
