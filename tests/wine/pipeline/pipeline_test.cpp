// The whole pipeline as a user drives it: the dialog, the real cmd.exe, the
// real search tool, and what lands on disk.
#include <gtest/gtest.h>

#include <functional>

#include <windows.h>

#include "resources/resource.h"
#include "support/child_processes.h"
#include "support/image_pixels.h"
#include "support/program_under_test.h"
#include "support/temp_folder.h"

namespace {
// <build>\tests\wine -> <build>\..\native
std::wstring NativeBuild() { return TestProgramDirectory() + L"\\..\\..\\..\\native"; }

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
    out.resize(static_cast<size_t>(size) - 1);
    return out;
}

bool WaitFor(const std::function<bool()>& condition, DWORD milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + milliseconds;
    while (!condition()) {
        if (GetTickCount64() > deadline) return false;
        Sleep(20);
    }
    return true;
}

// Opens an option dialog from the menu, types the value and confirms.
void ConfirmOption(const ProgramUnderTest& program, int command, const wchar_t* caption, int edit,
                   const std::wstring& value) {
    program.PostCommand(command);
    const HWND dialog = WaitForProcessWindow(program.ProcessId(), caption, 10000, program.Dialog());
    ASSERT_TRUE(dialog) << Utf8(caption);
    SendDlgItemMessageW(dialog, edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 10000)) << Utf8(caption);
}

// Pixels close to the blend of the frame colour over white.
size_t CountFramePixels(const DecodedImage& image, uint8_t red, uint8_t green, uint8_t blue) {
    size_t count = 0;
    for (size_t i = 0; i + 3 < image.bgra.size(); i += 4) {
        const auto within = [](int a, int b) { return a - b <= 12 && b - a <= 12; };
        if (within(image.bgra[i + 2], red) && within(image.bgra[i + 1], green) && within(image.bgra[i], blue)) ++count;
    }
    return count;
}

class Pipeline : public ::testing::Test {
protected:
    void SetUp() override {
        m_docs = MakeTempFolder(L"docs");
        m_out = MakeTempFolder(L"out");
        CopyFolder(NativeBuild() + L"\\samples\\pdf", m_docs);
    }
    void TearDown() override {
        RemoveTempFolder(m_docs);
        RemoveTempFolder(m_out);
    }

    // The program directory that the test command assembles: the program, the
    // tool's console bridge as Zuvediv.exe and the tool's native build (copies
    // made here would lose the native build's executable bit).
    ProgramUnderTest m_program{ProgramUnderTest::InPlace{TestProgramDirectory() + L"\\..\\..\\..\\program"}};
    std::wstring m_docs;
    std::wstring m_out;
};
}  // namespace

TEST_F(Pipeline, SearchFromTheDialogWritesCsvAndFramedImages) {
    program_registry::WriteInt(L"Settings", L"FileOrFolder", 1);
    program_registry::WriteString(L"Settings", L"InputName", m_docs);
    program_registry::WriteInt(L"Settings", L"LastSubfolder", 1);
    program_registry::WriteString(L"Settings", L"OutputFolderName", m_out);
    program_registry::WriteInt(L"Settings", L"CloseCommandPrompt", 1);
    m_program.Start();
    ASSERT_TRUE(m_program.IsChecked(IDC_SUBFOLDERS));

    m_program.SetText(IDC_SEARCH_STRING, L"請求書");
    m_program.SetText(IDC_CSV_FILE_NAME, L"結果");
    m_program.Click(IDC_CREATE_IMAGE);
    SendMessageW(m_program.Item(IDC_IMAGE_FORMAT), CB_SETCURSEL, 0, 0);
    m_program.Click(IDC_CSV_HEADER);
    m_program.Click(IDC_CSV_FILE);
    ConfirmOption(m_program, ID_SETTINGS_FRAME, L"枠線設定", IDC_VALUE_EDIT, L"3");
    ConfirmOption(m_program, ID_SETTINGS_OPACITY, L"画像透明度", IDC_VALUE_EDIT, L"5");
    ConfirmOption(m_program, ID_SETTINGS_PASSWORD, L"パスワード設定", IDC_PASSWORD_EDIT, L"vivevav");
    ASSERT_EQ(m_program.DefaultButtonId(), IDC_SEARCH);

    PostMessageW(m_program.Item(IDC_SEARCH), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindowEnabled(m_program.Dialog()); }, 10000)) << "disabled while the tool runs";
    ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(m_program.Dialog()) != FALSE; }, 120000))
        << "with /C the console closes and the dialog comes back by itself";
    EXPECT_EQ(m_program.Text(IDC_CSV_FILE_NAME), L"結果.csv");

    // Header row, no folder column, no search-string column; the protected file was opened.
    const std::string csv = ReadFileBytes(m_out + L"\\結果.csv");
    ASSERT_FALSE(csv.empty());
    EXPECT_EQ(csv.substr(0, 3), "\xEF\xBB\xBF");
    const std::string header = csv.substr(3, csv.find("\r\n") - 3);
    EXPECT_EQ(header.find(Utf8(L"フォルダ")), std::string::npos) << header;
    EXPECT_NE(header.find(Utf8(L"ファイル")), std::string::npos) << header;
    EXPECT_EQ(header.find(Utf8(L"検索文字列")), std::string::npos) << header;
    for (const wchar_t* row : {L"見積書.pdf,1,", L"annual_report.pdf,1,", L"protected.pdf,1,", L"請求書_2026-11.pdf,1,",
                               L"請求書_2026-11.pdf,2,"})
        EXPECT_NE(csv.find("\r\n" + Utf8(row)), std::string::npos) << Utf8(row);

    // Page images, frames 3 pixels wide in red at half opacity over white.
    const DecodedImage page = DecodeImageFile(m_out + L"\\請求書_2026-11_2.png");
    ASSERT_TRUE(page.Valid());
    EXPECT_GT(CountFramePixels(page, 255, 128, 128), 200u);
    EXPECT_EQ(CountFramePixels(page, 255, 0, 0), 0u) << "opacity 5 blends the frame";
    EXPECT_TRUE(DecodeImageFile(m_out + L"\\2025\\見積書_1.png").Valid()) << "subfolders mirrored";

    PostMessageW(m_program.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(m_program.WaitForExit());
    EXPECT_EQ(program_registry::ReadString(L"Settings\\CSV", L"OutputFile"), L"結果.csv");
    EXPECT_EQ(program_registry::ReadInt(L"Settings", L"CreateImage"), 1u);
    EXPECT_EQ(program_registry::ReadInt(L"Settings", L"WidthValue"), 3u);
    EXPECT_EQ(program_registry::ReadInt(L"Settings", L"AlphaValue"), 5u);
    EXPECT_EQ(program_registry::ReadInt(L"Settings\\CSV", L"Header"), 1u);
}

TEST_F(Pipeline, CommandLineHelpKeepsTheConsoleOpenUntilItIsClosed) {
    m_program.Start();
    m_program.PostCommand(ID_HELP_COMMAND_LINE);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowEnabled(m_program.Dialog()); }, 10000));
    const DWORD console = WaitForChild(m_program.ProcessId(), L"cmd.exe", 10000);
    ASSERT_NE(console, 0u);
    Sleep(1500);  // the console stays open (/K): the dialog must stay disabled
    EXPECT_FALSE(IsWindowEnabled(m_program.Dialog()));
    TerminateProcessById(console);
    EXPECT_TRUE(WaitFor([&] { return IsWindowEnabled(m_program.Dialog()) != FALSE; }, 10000));
}
