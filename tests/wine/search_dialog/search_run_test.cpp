// The Search button through the real cmd.exe, with a stand-in for the tool.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/message_box.h"
#include "support/program_under_test.h"
#include "support/recorder_files.h"
#include "support/temp_folder.h"

namespace {
const std::wstring S = L"Settings";
const std::wstring CSV = L"Settings\\CSV";

// Stored settings that make a run close its console by itself and add only
// the colour to the options.
void StoreQuietRun(const std::wstring& input) {
    program_registry::WriteInt(S, L"CloseCommandPrompt", 1);
    program_registry::WriteInt(S, L"ImageFormat", 0xFFFFFFFF);
    program_registry::WriteString(S, L"InputName", input);
    for (const wchar_t* box : {L"Header", L"FieldFolder", L"FieldFile", L"FieldSString"})
        program_registry::WriteInt(CSV, box, 1);
}

void ClickSearch(const ProgramUnderTest& program) {
    // Posted: the button's handler does not return before the run has ended.
    PostMessageW(program.Item(IDC_SEARCH), BM_CLICK, 0, 0);
}
}  // namespace

TEST(SearchRun, WorkedExampleReachesTheToolAndTheDialogWaitsForIt) {
    RecorderFiles recorder(/*hold=*/true);
    ProgramUnderTest program(/*withRecorder=*/true);
    const std::wstring docs = L"C:\\Docs";
    program_registry::WriteInt(S, L"FileOrFolder", 1);
    program_registry::WriteInt(S, L"LastSubfolder", 1);
    program_registry::WriteString(S, L"InputName", docs);
    program_registry::WriteString(S, L"OutputFolderName", L"C:\\Out");
    program_registry::WriteInt(S, L"CreateImage", 1);
    program_registry::WriteInt(S, L"ImageFormat", 1);
    program_registry::WriteInt(S, L"Progress", 1);
    program_registry::WriteInt(S, L"WidthValue", 3);
    program_registry::WriteInt(S, L"CloseCommandPrompt", 1);
    program_registry::WriteString(CSV, L"OutputFile", L"result");
    program_registry::WriteInt(CSV, L"Header", 1);
    program_registry::WriteInt(CSV, L"FieldFile", 1);
    program.Start();
    program.SetText(IDC_SEARCH_STRING, L"invoice");
    ClickSearch(program);

    const auto records = recorder.WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_FALSE(IsWindowEnabled(program.Dialog())) << "disabled while the tool runs";
    EXPECT_EQ(records[0].line, L"\"" + program.ProgramDirectory() +
                                   L"\\Zuvediv.exe\"  -s -m -F jpeg -O \"C:\\Out\" -o \"result.csv\" -P -R -v -w 3"
                                   L" -C FF0000 \"invoice\" \"C:\\Docs\"");
    recorder.Release();
    ASSERT_TRUE(WaitForEnabled(program.Dialog(), true));
    EXPECT_EQ(program.Text(IDC_CSV_FILE_NAME), L"result.csv");
    EXPECT_TRUE(ChildrenNamed(program.ProcessId(), L"cmd.exe").empty());
    EXPECT_EQ(recorder.Records().size(), 1u);
}

TEST(SearchRun, ValidationMessagesStopTheRun) {
    RecorderFiles recorder;
    struct Case {
        const wchar_t* input;
        const wchar_t* search;
        const wchar_t* message;
    };
    const Case cases[] = {
        {L"", L"", L"PDFファイルまたはPDFファイルが含まれた\r\nフォルダーを指定してください。"},
        {L"", L"x", L"PDFファイルまたはPDFファイルが含まれた\r\nフォルダーを指定してください。"},
        {L"C:\\Docs", L"", L"検索する文字列を入力してください。"},
    };
    ProgramUnderTest program(/*withRecorder=*/true);
    StoreQuietRun(L"");
    program.Start();
    program.SetText(IDC_CSV_FILE_NAME, L"ab");
    for (const Case& c : cases) {
        program.SetText(IDC_INPUT_PATH, c.input);
        program.SetText(IDC_SEARCH_STRING, c.search);
        ClickSearch(program);
        const ShownMessage shown = WaitForMessageBox(program.ProcessId(), program.Dialog());
        EXPECT_EQ(shown.text, c.message);
        DismissMessageBox(shown);
        program.Settle();
        EXPECT_EQ(program.Text(IDC_CSV_FILE_NAME), L"ab") << "nothing is built before the checks pass";
    }
    EXPECT_TRUE(IsWindowEnabled(program.Dialog()));
    EXPECT_TRUE(recorder.Records().empty());
}

TEST(SearchRun, LinesOverTheLimitAreRefusedAfterTheCsvNameIsCompleted) {
    RecorderFiles recorder;
    const std::wstring input = L"C:\\Docs";
    ProgramUnderTest program(/*withRecorder=*/true);
    StoreQuietRun(input);
    program.Start();
    // cmd.exe /C ""<dir>\Zuvediv.exe"  -C FF0000 "<search>" "<input>""
    const size_t fixed = std::wstring(L"cmd.exe /C \"\"\\Zuvediv.exe\"  -C FF0000 \"\" \"\"\"").size() +
                         program.ProgramDirectory().size() + input.size();
    const std::wstring exact(3200 - fixed, L'x');

    program.SetText(IDC_SEARCH_STRING, exact + L"x");
    ClickSearch(program);
    const ShownMessage shown = WaitForMessageBox(program.ProcessId(), program.Dialog());
    EXPECT_EQ(shown.text, L"コマンドラインの文字数が３２００文字を超えたため実行できません。");
    DismissMessageBox(shown);
    program.Settle();
    EXPECT_TRUE(recorder.Records().empty());

    // With a CSV name the line grows; the completion stays although refused.
    program.SetText(IDC_SEARCH_STRING, exact);
    program.SetText(IDC_CSV_FILE_NAME, L"rr");
    ClickSearch(program);
    DismissMessageBox(WaitForMessageBox(program.ProcessId(), program.Dialog()));
    program.Settle();
    EXPECT_EQ(program.Text(IDC_CSV_FILE_NAME), L"rr.csv");

    program.SetText(IDC_CSV_FILE_NAME, L"");
    ClickSearch(program);
    const auto records = recorder.WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u) << "exactly 3200 characters run";
    EXPECT_EQ(records[0].args, (std::vector<std::wstring>{L"-C", L"FF0000", exact, input}));
    EXPECT_TRUE(WaitForEnabled(program.Dialog(), true));
}

TEST(SearchRun, InterpreterThatCannotStartShowsTheFailureMessage) {
    RecorderFiles recorder;
    ProgramUnderTest program(/*withRecorder=*/true);
    StoreQuietRun(L"C:\\Docs");
    // The program's own folder is searched first: this cmd.exe is no program.
    MakeFile(program.ProgramDirectory() + L"\\cmd.exe");
    program.Start();
    program.SetText(IDC_SEARCH_STRING, L"invoice");
    program.SetText(IDC_CSV_FILE_NAME, L"out");
    ClickSearch(program);
    const ShownMessage shown = WaitForMessageBox(program.ProcessId(), program.Dialog());
    EXPECT_EQ(shown.text, L"コマンドの実行失敗");
    DismissMessageBox(shown);
    program.Settle();
    EXPECT_TRUE(IsWindowEnabled(program.Dialog())) << "never disabled";
    EXPECT_EQ(program.Text(IDC_CSV_FILE_NAME), L"out.csv");
    EXPECT_TRUE(recorder.Records().empty());
}
