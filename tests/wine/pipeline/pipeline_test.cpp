// The whole chain as a user drives it: the dialog, the real cmd.exe, the
// console bridge and the real search tool, run from a program directory with
// a blank in its name as "Program Files" has; and what lands on disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/wait.h"

namespace {
using namespace program_registry;

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

class Pipeline : public ::testing::Test {
protected:
    // The program directory that the test command assembles (<build>\program):
    // the program, the console bridge as Zuvediv.exe, and the native tool,
    // linked rather than copied, since a copy would lose its executable bit.
    Pipeline() {
        const std::wstring build = TestProgramDirectory() + L"\\..\\..\\..";
        for (const wchar_t* exe : {L"\\Vivevav.exe", L"\\Zuvediv.exe"})
            EXPECT_TRUE(CopyFileW((build + L"\\program" + exe).c_str(), (m_programDir.Path() + exe).c_str(), FALSE));
        EXPECT_TRUE(CreateHardLinkW((m_programDir.Path() + L"\\zuvediv").c_str(), (build + L"\\program\\zuvediv").c_str(), nullptr));
        std::filesystem::copy(build + L"\\native\\samples\\pdf", m_docs.Path(), std::filesystem::copy_options::recursive);
    }

    TempFolder m_programDir{L"program files"};
    TempFolder m_docs{L"docs"};
    TempFolder m_out{L"out"};
    ProgramUnderTest m_program{m_programDir.Path()};
};
}  // namespace

TEST_F(Pipeline, SearchFromTheDialogWritesCsvAndImages) {
    Write(kSettings, L"FileOrFolder", 1);
    Write(kSettings, L"InputName", m_docs.Path());
    Write(kSettings, L"LastSubfolder", 1);
    Write(kSettings, L"OutputFolderName", m_out.Path());
    Write(kSettings, L"CloseCommandPrompt", 1);
    m_program.Start();
    m_program.SetText(IDC_SEARCH_STRING, L"請求書");
    m_program.SetText(IDC_CSV_FILE_NAME, L"結果");
    for (int box : {IDC_CREATE_IMAGE, IDC_CSV_HEADER, IDC_CSV_FILE}) m_program.Click(box);
    const RemoteDialog password = m_program.OpenDialog(ID_SETTINGS_PASSWORD, L"パスワード設定");
    password.SetText(IDC_PASSWORD_EDIT, L"vivevav");
    password.Press(IDOK);
    ASSERT_TRUE(password.WaitClosed());

    m_program.Press(IDC_SEARCH);
    EXPECT_TRUE(WaitUntil([&] { return !m_program.IsEnabled(); })) << "disabled while the tool runs";
    ASSERT_TRUE(WaitUntil([&] { return m_program.IsEnabled(); }, 120000))
        << "with /C the console closes and the dialog comes back by itself";

    // Header row, no folder column, no search-string column; the protected file was opened.
    const std::string csv = ReadFileBytes(m_out.Path() + L"\\結果.csv");
    ASSERT_FALSE(csv.empty());
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") - 3), Utf8(L"ファイル,ページ,該当箇所"));
    for (const wchar_t* row : {L"見積書.pdf,1,", L"annual_report.pdf,1,", L"protected.pdf,1,", L"請求書_2026-11.pdf,1,",
                               L"請求書_2026-11.pdf,2,"})
        EXPECT_NE(csv.find("\r\n" + Utf8(row)), std::string::npos) << Utf8(row);
    for (const wchar_t* image : {L"\\請求書_2026-11_2.png", L"\\2025\\見積書_1.png"})  // subfolders mirrored
        EXPECT_EQ(ReadFileBytes(m_out.Path() + image).substr(0, 4), "\x89PNG") << Utf8(image);
}

TEST_F(Pipeline, BridgeWithoutTheNativeToolEndsWithStatus2) {
    ASSERT_TRUE(DeleteFileW((m_programDir.Path() + L"\\zuvediv").c_str()));
    std::wstring line = L"\"" + m_programDir.Path() + L"\\Zuvediv.exe\" -h";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION bridge{};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                               &startup, &bridge));
    DWORD status = 0;
    if (WaitForSingleObject(bridge.hProcess, 15000) != WAIT_OBJECT_0) TerminateProcess(bridge.hProcess, 99);
    GetExitCodeProcess(bridge.hProcess, &status);
    CloseHandle(bridge.hProcess);
    CloseHandle(bridge.hThread);
    EXPECT_EQ(status, 2u);
}
