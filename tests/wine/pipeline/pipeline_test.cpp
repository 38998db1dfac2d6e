// The whole chain as a user drives it: the dialog, the real cmd.exe, the
// console bridge and the real search tool, run from a program directory with
// a blank in its name as "Program Files" has; what lands on disk, and what
// stops when the console is closed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "resources/resource.h"
#include "support/live_processes.h"
#include "support/program_under_test.h"
#include "support/wait_until.h"

namespace {
using namespace program_registry;
namespace fs = std::filesystem;

// Native processes whose command line holds the marker.
std::vector<int> NativeProcessesWith(const std::string& marker) {
    return LiveProcesses(L"Z:\\proc", [&](int, const std::string& line) { return line.find(marker) != std::string::npos; });
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

class Pipeline : public ::testing::Test {
protected:
    // The program directory that the test command assembles (<build>\program):
    // the program, the console bridge as Zuvediv.exe, and the native tool,
    // linked rather than copied, since a copy would lose its executable bit.
    Pipeline() {
        for (const wchar_t* exe : {L"\\Vivevav.exe", L"\\Zuvediv.exe"})
            EXPECT_TRUE(CopyFileW((m_build + L"\\program" + exe).c_str(), (m_programDir.Path() + exe).c_str(), FALSE));
        EXPECT_TRUE(CreateHardLinkW((m_programDir.Path() + L"\\zuvediv").c_str(), (m_build + L"\\program\\zuvediv").c_str(), nullptr));
        Write(kSettings, L"FileOrFolder", 1);
        Write(kSettings, L"InputName", m_docs.Path());
        Write(kSettings, L"OutputFolderName", m_out.Path());
        Write(kSettings, L"CloseCommandPrompt", 1);
    }
    // Whatever of the native tool survives a failed test is ended by the host's kill.
    ~Pipeline() override {
        const std::vector<int> pids = NativeProcessesWith(m_marker);
        std::wstring line = L"kill -9";
        for (int pid : pids) line += L" " + std::to_wstring(pid);
        if (!pids.empty()) RunAndWait(L"Z:\\bin\\kill", line);
    }
    // Types the search string and the list's name, ticks the boxes and presses Search.
    void Search(std::initializer_list<int> boxes) {
        m_program.SetText(IDC_SEARCH_STRING, L"請求書");
        m_program.SetText(IDC_CSV_FILE_NAME, L"結果");
        for (int box : boxes) m_program.Click(box);
        m_program.Press(IDC_SEARCH);
    }

    const std::wstring m_build = TestProgramDirectory() + L"\\..\\..\\..";
    TempFolder m_programDir{L"program files"};
    TempFolder m_docs{L"docs"};
    TempFolder m_out{L"out"};
    ProgramUnderTest m_program{m_programDir.Path()};
    // The native tool's first argument, which its workers share; not the
    // program or the bridge, whose command lines hold the folder too.
    const std::string m_marker = fs::path(m_programDir.Path()).filename().string() + "\\zuvediv" + '\0';
};
}  // namespace

TEST_F(Pipeline, SearchFromTheDialogWritesCsvAndImages) {
    fs::copy(m_build + L"\\native\\samples\\pdf", m_docs.Path(), fs::copy_options::recursive);
    Write(kSettings, L"LastSubfolder", 1);
    m_program.Start();
    const RemoteDialog password = m_program.OpenDialog(ID_SETTINGS_PASSWORD, L"パスワード設定");
    password.SetText(IDC_PASSWORD_EDIT, L"vivevav");
    password.Press(IDOK);
    ASSERT_TRUE(password.WaitClosed());
    Search({IDC_CREATE_IMAGE, IDC_CSV_HEADER, IDC_CSV_FILE});
    EXPECT_TRUE(WaitUntil([&] { return !m_program.IsEnabled(); })) << "disabled while the tool runs";
    ASSERT_TRUE(WaitUntil([&] { return m_program.IsEnabled(); }, 120000))
        << "with /C the console closes and the dialog comes back by itself";

    // Header row, no folder column, no search-string column; the protected file was opened.
    const std::string csv = ReadFileBytes(m_out.Path() + L"\\結果.csv");
    ASSERT_FALSE(csv.empty());
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") - 3), "ファイル,ページ,該当箇所");  // narrow literals are UTF-8
    for (const char* row : {"見積書.pdf,1,", "annual_report.pdf,1,", "protected.pdf,1,", "請求書_2026-11.pdf,1,",
                            "請求書_2026-11.pdf,2,"})
        EXPECT_NE(csv.find(std::string("\r\n") + row), std::string::npos) << row;
    for (const wchar_t* image : {L"\\請求書_2026-11_2.png", L"\\2025\\見積書_1.png"})  // subfolders mirrored
        EXPECT_EQ(ReadFileBytes(m_out.Path() + image).substr(0, 4), "\x89PNG") << testing::PrintToString(image);
}

// A folder long enough to search that the console is closed in the middle:
// the native tool and its workers end with it, and the list stays as it was.
TEST_F(Pipeline, ClosingTheConsoleEndsTheToolAndLeavesThePreviousList) {
    const std::wstring sample = m_build + L"\\native\\samples\\pdf\\請求書_2026-11.pdf";
    for (int i = 0; i < 2000; ++i)
        CreateHardLinkW((m_docs.Path() + L"\\" + std::to_wstring(i) + L".pdf").c_str(), sample.c_str(), nullptr);
    std::ofstream(fs::path(m_out.Path() + L"\\結果.csv"), std::ios::binary) << "previous list";
    m_program.Start();
    Search({IDC_CREATE_IMAGE, IDC_CSV_FILE});
    const auto pagesDrawn = [&] { return std::distance(fs::directory_iterator(m_out.Path()), fs::directory_iterator()) > 4; };
    ASSERT_TRUE(WaitUntil(pagesDrawn, 60000)) << "the search draws pages";
    ASSERT_FALSE(NativeProcessesWith(m_marker).empty());

    HWND console = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (console = ConsoleWindow()) != nullptr; }));
    PostMessageW(console, WM_CLOSE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return m_program.IsEnabled(); })) << "the dialog comes back";
    EXPECT_TRUE(WaitUntil([&] { return NativeProcessesWith(m_marker).empty(); }, 1500)) << "the tool is left";
    EXPECT_EQ(ReadFileBytes(m_out.Path() + L"\\結果.csv"), "previous list");
    for (const auto& entry : fs::directory_iterator(m_out.Path()))  // no half-made list under another name
        EXPECT_TRUE(entry.path().extension() == L".png" || entry.path().filename() == L"結果.csv") << entry.path();
}

TEST_F(Pipeline, BridgeWithoutTheNativeToolEndsWithStatus2) {
    ASSERT_TRUE(DeleteFileW((m_programDir.Path() + L"\\zuvediv").c_str()));
    EXPECT_EQ(RunAndWait(nullptr, L"\"" + m_programDir.Path() + L"\\Zuvediv.exe\" -h"), 2u);
}
