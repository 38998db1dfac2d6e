// The Search button and the command-line help through the real cmd.exe, with
// a stand-in for the tool that records what reaches it.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/hostile_fields.h"
#include "support/program_under_test.h"
#include "support/stand_in_tool.h"
#include "support/wait_until.h"

namespace {
using namespace program_registry;
using Args = std::vector<std::wstring>;

// Set while the hostile fields run, so that an expansion shows as a changed argument.
struct SecretVariable {
    SecretVariable() { SetEnvironmentVariableW(L"VIVEVAV_SECRET", L"expanded"); }
    ~SecretVariable() { SetEnvironmentVariableW(L"VIVEVAV_SECRET", nullptr); }
};
}  // namespace

// Then the refused runs: each shows its message and starts nothing.
TEST(SearchRun, HostileFieldsArriveIntactAndRunNothingElseAndRefusedRunsStartNothing) {
    const SecretVariable secret;
    const StandInTool tool;
    ProgramUnderTest program(/*withStandIn=*/true);
    StoreQuietRun(L"");
    program.Start();
    // Four fields a run, each with another of the texts.
    const size_t count = std::size(kHostileFields);
    size_t runs = 0;
    for (size_t first = 0; first < count; first += 4) {
        const auto text = [&](size_t k) { return std::wstring(kHostileFields[(first + k) % count]); };
        const int fields[] = {IDC_SEARCH_STRING, IDC_INPUT_PATH, IDC_OUTPUT_FOLDER, IDC_CSV_FILE_NAME};
        for (size_t k = 0; k < 4; ++k) program.SetText(fields[k], text(k) + (k == 3 ? L".csv" : L""));
        program.Press(IDC_SEARCH);
        const auto records = tool.WaitForRecords(++runs);
        ASSERT_TRUE(WaitUntil([&] { return program.IsEnabled(); }));
        ASSERT_EQ(records.size(), runs) << "an injected command started the tool again";
        EXPECT_EQ(records.back().args, (Args{L"-O", text(2), L"-o", text(3) + L".csv", L"-C", L"FF0000", text(0), text(1)}))
            << "line: " << testing::PrintToString(records.back().line);
    }

    struct Case { const wchar_t* input; std::wstring search; const wchar_t *csv, *csvAfter, *message; };
    const Case cases[] = {
        {L"", L"", L"ab", L"ab", L"PDFファイルまたはPDFファイルが含まれた\r\nフォルダーを指定してください。"},
        {L"C:\\Docs", L"", L"ab", L"ab", L"検索する文字列を入力してください。"},
        // The completed CSV name stays although the line is refused.
        {L"C:\\Docs", std::wstring(3200, L'x'), L"rr", L"rr.csv", L"コマンドラインの文字数が３２００文字を超えたため実行できません。"},
        {L"C:\\Docs", L"invoice", L"out", L"out.csv", L"コマンドの実行失敗"},
    };
    for (const Case& c : cases) {
        // The program's own folder is searched first: this cmd.exe is no program.
        if (&c == &cases[3]) MakeFile(program.ProgramDirectory() + L"\\cmd.exe");
        program.SetText(IDC_INPUT_PATH, c.input);
        program.SetText(IDC_SEARCH_STRING, c.search);
        program.SetText(IDC_CSV_FILE_NAME, c.csv);
        program.Press(IDC_SEARCH);
        EXPECT_EQ(program.TakeMessage(), c.message);
        EXPECT_EQ(program.Text(IDC_CSV_FILE_NAME), c.csvAfter);
        EXPECT_TRUE(program.IsEnabled());
    }
    EXPECT_EQ(tool.Records().size(), runs) << "an injected command or a refused run started the tool";
}

// The choices reach the tool as their options; the dialog stays disabled
// until the console ends, which a console kept open (/K) does only when closed.
TEST(SearchRun, TheDialogWaitsForTheConsoleOfASearchAndOfTheHelp) {
    for (const bool help : {false, true}) {
        SCOPED_TRACE(help ? "help" : "search");
        const StandInTool tool(/*held=*/true);
        ProgramUnderTest program(/*withStandIn=*/true);
        // -5 reads as 2 for the opacity but, unsigned, as 100 for the width.
        for (const auto& [name, value] : {std::pair{L"FileOrFolder", 1u}, {L"LastSubfolder", 1u}, {L"Progress", 1u},
                                          {L"CreateImage", 1u}, {L"ImageFormat", 2u}, {L"AlphaValue", 0xFFFFFFFBu},
                                          {L"WidthValue", 0xFFFFFFFBu}, {L"ColorRefValue", 0x00FF00u}})
            Write(kSettings, name, value);
        Write(kSettings, L"InputName", L"C:\\Docs");
        Write(kSettings, L"OutputFolderName", L"C:\\Out");
        Write(kCsv, L"OutputFile", L"rr");
        Write(kCsv, L"Header", 1);
        Write(kCsv, L"FieldFolder", 1);
        program.Start();
        program.SetText(IDC_SEARCH_STRING, L"invoice");
        if (help) program.PostCommand(ID_HELP_COMMAND_LINE);
        else program.Press(IDC_SEARCH);

        const auto records = tool.WaitForRecords(1);
        ASSERT_EQ(records.size(), 1u);
        if (help) EXPECT_EQ(records[0].line, L"\"" + program.ProgramDirectory() + L"\\Zuvediv.exe\" -h");
        else EXPECT_EQ(records[0].args, (Args{L"-s", L"-m", L"-F", L"tiff", L"-O", L"C:\\Out", L"-o", L"rr.csv", L"-Q",
                                              L"-R", L"-v", L"-a", L"2", L"-w", L"100", L"-C", L"FF00", L"invoice",
                                              L"C:\\Docs"}));
        EXPECT_FALSE(program.IsEnabled()) << "disabled while the tool runs";
        tool.Release();
        const HWND console = ConsoleWindow();
        EXPECT_TRUE(console) << "the console stays open";
        PostMessageW(console, WM_CLOSE, 0, 0);
        EXPECT_TRUE(WaitUntil([&] { return program.IsEnabled(); }));
        EXPECT_EQ(program.Text(IDC_CSV_FILE_NAME), help ? L"rr" : L"rr.csv");
    }
}
