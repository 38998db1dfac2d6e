// The program as a user gets it, run where the package put it: unpacked
// from the zip or installed by the installer. The test command names that
// folder in VIVEVAV_PROGRAM_DIR, the documents to search (the samples and a
// scanned page) in VIVEVAV_SEARCH_DOCS and an empty folder for the results
// in VIVEVAV_SEARCH_OUT, and looks at the images' frames itself afterwards.
#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/read_file.h"
#include "support/wait_until.h"

namespace {
using namespace program_registry;

std::wstring Environment(const wchar_t* name) {
    std::wstring value(32767, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

// The process the program started with this image name; 0 if none.
DWORD ChildOf(DWORD parent, const wchar_t* image) {
    DWORD found = 0;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        if (entry.th32ParentProcessID == parent && lstrcmpiW(entry.szExeFile, image) == 0) found = entry.th32ProcessID;
    CloseHandle(snapshot);
    return found;
}

// The text on the console that the process is attached to.
std::wstring ConsoleText(DWORD process) {
    FreeConsole();
    if (!AttachConsole(process)) return L"";
    std::wstring text;
    const HANDLE out = CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (out != INVALID_HANDLE_VALUE && GetConsoleScreenBufferInfo(out, &info)) {
        text.resize(static_cast<size_t>(info.dwSize.X) * info.dwSize.Y);
        DWORD read = 0;
        ReadConsoleOutputCharacterW(out, text.data(), static_cast<DWORD>(text.size()), COORD{0, 0}, &read);
        text.resize(read);
    }
    if (out != INVALID_HANDLE_VALUE) CloseHandle(out);
    FreeConsole();
    return text;
}

class PackagedProgram : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(m_dir.empty()) << "VIVEVAV_PROGRAM_DIR names the packaged program's folder";
        ASSERT_NE(GetFileAttributesW((m_dir + L"\\Vivevav.exe").c_str()), INVALID_FILE_ATTRIBUTES) << m_dir;
    }
    const std::wstring m_dir = Environment(L"VIVEVAV_PROGRAM_DIR");
    const std::wstring m_docs = Environment(L"VIVEVAV_SEARCH_DOCS");
    const std::wstring m_out = Environment(L"VIVEVAV_SEARCH_OUT");
    ProgramUnderTest m_program{m_dir};
};
}  // namespace

TEST_F(PackagedProgram, SearchesTheSamplesTheProtectedOneAndTheScanWithImages) {
    ASSERT_FALSE(m_docs.empty() || m_out.empty());
    for (const auto& [name, value] : {std::pair{L"FileOrFolder", 1u}, {L"LastSubfolder", 1u}, {L"CloseCommandPrompt", 1u}})
        Write(kSettings, name, value);
    Write(kSettings, L"InputName", m_docs);
    Write(kSettings, L"OutputFolderName", m_out);
    m_program.Start();
    const RemoteDialog password = m_program.OpenDialog(ID_SETTINGS_PASSWORD, L"パスワード設定");
    password.SetText(IDC_PASSWORD_EDIT, L"vivevav");
    password.Press(IDOK);
    ASSERT_TRUE(password.WaitClosed());
    m_program.SetText(IDC_SEARCH_STRING, L"請求書");
    m_program.SetText(IDC_CSV_FILE_NAME, L"結果");
    for (int box : {IDC_CREATE_IMAGE, IDC_CSV_HEADER, IDC_CSV_FILE}) m_program.Click(box);
    m_program.Press(IDC_SEARCH);
    EXPECT_TRUE(WaitUntil([&] { return !m_program.IsEnabled(); })) << "disabled while the tool runs";
    ASSERT_TRUE(WaitUntil([&] { return m_program.IsEnabled(); }, 300000)) << "the console closes by itself";

    const std::string csv = ReadFileBytes(m_out + L"\\結果.csv");
    ASSERT_FALSE(csv.empty());
    EXPECT_EQ(csv.substr(3, csv.find("\r\n") - 3), "ファイル,ページ,該当箇所");  // narrow literals are UTF-8
    for (const char* row : {"見積書.pdf,1,", "annual_report.pdf,1,", "protected.pdf,1,", "請求書_2026-11.pdf,1,",
                            "請求書_2026-11.pdf,2,", "スキャン.pdf,1,"})
        EXPECT_NE(csv.find(std::string("\r\n") + row), std::string::npos) << row;
    for (const wchar_t* image : {L"\\請求書_2026-11_2.png", L"\\2025\\見積書_1.png", L"\\スキャン_1.png"})
        EXPECT_EQ(ReadFileBytes(m_out + image).substr(0, 4), "\x89PNG") << testing::PrintToString(image);
}

TEST_F(PackagedProgram, CommandLineHelpShowsTheToolsUsageOnTheConsole) {
    m_program.Start();
    m_program.PostCommand(ID_HELP_COMMAND_LINE);
    DWORD shell = 0;
    ASSERT_TRUE(WaitUntil([&] { return (shell = ChildOf(m_program.ProcessId(), L"cmd.exe")) != 0; }));
    std::wstring text;
    EXPECT_TRUE(WaitUntil([&] { return (text = ConsoleText(shell)).find(L"使い方: Zuvediv") != std::wstring::npos; }))
        << "the console shows: " << testing::PrintToString(text);
    EXPECT_NE(text.find(L"終了コード"), std::wstring::npos) << "the whole usage text";
    EXPECT_FALSE(m_program.IsEnabled()) << "the dialog waits for the console";
    HWND console = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (console = ConsoleWindow()) != nullptr; }));
    PostMessageW(console, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return m_program.IsEnabled(); })) << "the dialog comes back";
}
