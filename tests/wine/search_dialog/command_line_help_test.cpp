// Help → command-line help runs the tool with -h in a console that stays open.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/recorder_files.h"

TEST(CommandLineHelp, RunsTheToolWithHelpAndWaitsForTheConsole) {
    // The tool holds, so cmd.exe is still there whatever its input is.
    RecorderFiles recorder(/*hold=*/true);
    ProgramUnderTest program(/*withRecorder=*/true);
    // Neither closing the prompt nor empty fields matter to the help.
    program_registry::WriteInt(L"Settings", L"CloseCommandPrompt", 1);
    program.Start();
    program.PostCommand(ID_HELP_COMMAND_LINE);

    const auto records = recorder.WaitForRecords(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].args, std::vector<std::wstring>{L"-h"});
    EXPECT_EQ(records[0].line, L"\"" + program.ProgramDirectory() + L"\\Zuvediv.exe\" -h");

    // The dialog stays disabled until cmd.exe itself ends.
    std::vector<DWORD> consoles;
    for (int i = 0; i < 100 && consoles.empty(); ++i, Sleep(50))
        consoles = ChildrenNamed(program.ProcessId(), L"cmd.exe");
    ASSERT_EQ(consoles.size(), 1u);
    EXPECT_FALSE(IsWindowEnabled(program.Dialog()));
    const HANDLE console = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, consoles[0]);
    ASSERT_NE(console, nullptr);
    TerminateProcess(console, 0);
    WaitForSingleObject(console, 5000);
    CloseHandle(console);
    EXPECT_TRUE(WaitForEnabled(program.Dialog(), true));
    recorder.Release();
    EXPECT_EQ(recorder.Records().size(), 1u);
}
