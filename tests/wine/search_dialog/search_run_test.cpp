// The Search button and the command-line help through the real cmd.exe, with
// a stand-in for the tool that records what reaches it.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/child_processes.h"
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

// Waits for the message box, reads its text and closes it.
std::wstring MessageShown(const ProgramUnderTest& program) {
    const ShownMessage shown = WaitForMessageBox(program.ProcessId(), program.Dialog());
    DismissMessageBox(shown);
    program.Settle();
    return shown.text;
}
}  // namespace

TEST(SearchRun, StoredChoicesReachTheToolAndTheDialogWaitsForIt) {
    RecorderFiles recorder(/*hold=*/true);
    ProgramUnderTest program(/*withRecorder=*/true);
    for (const auto& [name, value] : {std::pair{L"FileOrFolder", 1u}, {L"LastSubfolder", 1u}, {L"CreateImage", 1u},
                                      {L"ImageFormat", 1u}, {L"Progress", 1u}, {L"WidthValue", 3u},
                                      {L"AlphaValue", 0xFFFFFFFBu}, {L"CloseCommandPrompt", 1u}})
        program_registry::WriteInt(S, name, value);
    program_registry::WriteString(S, L"InputName", L"C:\\Docs");
    program_registry::WriteString(S, L"OutputFolderName", L"C:\\Out");
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
                                   L"\\Zuvediv.exe\"  -s -m -F jpeg -O \"C:\\Out\" -o \"result.csv\" -P -R -v -a 2"
                                   L" -w 3 -C FF0000 \"invoice\" \"C:\\Docs\"");
    recorder.Release();
    ASSERT_TRUE(WaitForEnabled(program.Dialog(), true));
    EXPECT_EQ(program.Text(IDC_CSV_FILE_NAME), L"result.csv");
    EXPECT_EQ(WaitForChild(program.ProcessId(), L"cmd.exe", 0), 0u);
    EXPECT_EQ(recorder.Records().size(), 1u);
}

TEST(SearchRun, ValidationMessagesStopTheRun) {
    RecorderFiles recorder;
    const std::wstring noInput = L"PDFファイルまたはPDFファイルが含まれた\r\nフォルダーを指定してください。";
    const std::tuple<const wchar_t*, const wchar_t*, std::wstring> cases[] = {
        {L"", L"", noInput}, {L"", L"x", noInput}, {L"C:\\Docs", L"", L"検索する文字列を入力してください。"}};
    ProgramUnderTest program(/*withRecorder=*/true);
    StoreQuietRun(L"");
    program.Start();
    program.SetText(IDC_CSV_FILE_NAME, L"ab");
    for (const auto& [input, search, message] : cases) {
        program.SetText(IDC_INPUT_PATH, input);
        program.SetText(IDC_SEARCH_STRING, search);
        ClickSearch(program);
        EXPECT_EQ(MessageShown(program), message);
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
    EXPECT_EQ(MessageShown(program), L"コマンドラインの文字数が３２００文字を超えたため実行できません。");
    EXPECT_TRUE(recorder.Records().empty());

    // With a CSV name the line grows; the completion stays although refused.
    program.SetText(IDC_SEARCH_STRING, exact);
    program.SetText(IDC_CSV_FILE_NAME, L"rr");
    ClickSearch(program);
    MessageShown(program);
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
    EXPECT_EQ(MessageShown(program), L"コマンドの実行失敗");
    EXPECT_TRUE(IsWindowEnabled(program.Dialog())) << "never disabled";
    EXPECT_EQ(program.Text(IDC_CSV_FILE_NAME), L"out.csv");
    EXPECT_TRUE(recorder.Records().empty());
}

TEST(SearchRun, NastyInputsArriveIntactAndRunNothingElse) {
    const wchar_t* inputs[] = {
        L"a\" & Zuvediv.exe injected & \"b", L"\" & Zuvediv.exe x & \"", L"\"", L"&|<>^()%!", L"%VIVEVAV_SECRET%",
        L"1%VIVEVAV_SECRET:~0,3%", L"D:\\", L"C:\\a b\\\\", L"x\\\\\"y", L"日本語 \"テキスト\"", L" ",
        L"^\"^ | Zuvediv.exe piped", L"a\" (b) \"c",
    };
    RecorderFiles recorder;
    SetEnvironmentVariableW(L"VIVEVAV_SECRET", L"expanded");
    ProgramUnderTest program(/*withRecorder=*/true);
    StoreQuietRun(L"");
    program.Start();
    size_t runs = 0;
    for (const wchar_t* text : inputs) {
        const std::wstring csv = std::wstring(text) + L".csv";
        for (int field : {IDC_SEARCH_STRING, IDC_INPUT_PATH, IDC_OUTPUT_FOLDER}) program.SetText(field, text);
        program.SetText(IDC_CSV_FILE_NAME, csv);
        ClickSearch(program);
        const auto records = recorder.WaitForRecords(++runs);
        ASSERT_TRUE(WaitForEnabled(program.Dialog(), true));
        ASSERT_EQ(records.size(), runs) << "an injected command started the tool again";
        EXPECT_EQ(records.back().args, (std::vector<std::wstring>{L"-O", text, L"-o", csv, L"-C", L"FF0000", text, text}))
            << "line: " << ::testing::PrintToString(records.back().line);
    }
    SetEnvironmentVariableW(L"VIVEVAV_SECRET", nullptr);
    program.Settle();
    EXPECT_EQ(recorder.Records().size(), runs) << "an injected command started the tool again";
}

TEST(CommandLineHelp, RunsTheToolWithHelpAndWaitsForTheConsole) {
    // The tool holds, so cmd.exe is still there whatever its input is.
    RecorderFiles recorder(/*hold=*/true);
    ProgramUnderTest program(/*withRecorder=*/true);
    program_registry::WriteInt(S, L"CloseCommandPrompt", 1);  // does not matter to the help
    program.Start();
    program.PostCommand(ID_HELP_COMMAND_LINE);

    const auto records = recorder.WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].line, L"\"" + program.ProgramDirectory() + L"\\Zuvediv.exe\" -h");
    EXPECT_EQ(records[0].args, std::vector<std::wstring>{L"-h"});
    // The dialog stays disabled until cmd.exe itself ends.
    const DWORD console = WaitForChild(program.ProcessId(), L"cmd.exe", 5000);
    ASSERT_NE(console, 0u);
    EXPECT_FALSE(IsWindowEnabled(program.Dialog()));
    TerminateProcessById(console);
    EXPECT_TRUE(WaitForEnabled(program.Dialog(), true));
    recorder.Release();
    EXPECT_EQ(recorder.Records().size(), 1u);
}
