// What the user types reaches the tool intact through the real cmd.exe, and
// nothing in it runs as a command of its own.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "support/recorder_files.h"

namespace {
// The shell's own splitting of the recorded line, for comparison.
std::vector<std::wstring> ShellSplit(const std::wstring& line) {
    using Split = LPWSTR*(WINAPI*)(LPCWSTR, int*);
    const HMODULE shell = LoadLibraryW(L"shell32.dll");
    const auto split = reinterpret_cast<Split>(reinterpret_cast<void*>(GetProcAddress(shell, "CommandLineToArgvW")));
    std::vector<std::wstring> args;
    int count = 0;
    if (LPWSTR* argv = split ? split(line.c_str(), &count) : nullptr) {
        for (int i = 1; i < count; ++i) args.push_back(argv[i]);
        LocalFree(argv);
    }
    FreeLibrary(shell);
    return args;
}
}  // namespace

TEST(SearchQuoting, NastyInputsArriveIntactAndRunNothingElse) {
    const wchar_t* inputs[] = {
        L"a\" & Zuvediv.exe injected & \"b",
        L"\" & Zuvediv.exe x & \"",
        L"\"",
        L"&|<>^()%!",
        L"%VIVEVAV_SECRET%",
        L"1%VIVEVAV_SECRET:~0,3%",
        L"D:\\",
        L"C:\\a b\\\\",
        L"x\\\\\"y",
        L"日本語 \"テキスト\"",
        L" ",
        L"^\"^ | Zuvediv.exe piped",
        L"a\" (b) \"c",
    };
    RecorderFiles recorder;
    SetEnvironmentVariableW(L"VIVEVAV_SECRET", L"expanded");
    ProgramUnderTest program(/*withRecorder=*/true);
    program_registry::WriteInt(L"Settings", L"CloseCommandPrompt", 1);
    program_registry::WriteInt(L"Settings", L"ImageFormat", 0xFFFFFFFF);
    for (const wchar_t* box : {L"Header", L"FieldFolder", L"FieldFile", L"FieldSString"})
        program_registry::WriteInt(L"Settings\\CSV", box, 1);
    program.Start();

    size_t runs = 0;
    for (const wchar_t* text : inputs) {
        const std::wstring csv = std::wstring(text) + L".csv";
        program.SetText(IDC_SEARCH_STRING, text);
        program.SetText(IDC_INPUT_PATH, text);
        program.SetText(IDC_OUTPUT_FOLDER, text);
        program.SetText(IDC_CSV_FILE_NAME, csv);
        PostMessageW(program.Item(IDC_SEARCH), BM_CLICK, 0, 0);
        const auto records = recorder.WaitForRecords(++runs);
        ASSERT_TRUE(WaitForEnabled(program.Dialog(), true));
        ASSERT_EQ(records.size(), runs);
        const std::vector<std::wstring> expected = {L"-O", text, L"-o", csv, L"-C", L"FF0000", text, text};
        EXPECT_EQ(records.back().args, expected) << "line: " << ::testing::PrintToString(records.back().line);
        EXPECT_EQ(ShellSplit(records.back().line), expected);
    }
    SetEnvironmentVariableW(L"VIVEVAV_SECRET", nullptr);
    program.Settle();
    EXPECT_EQ(recorder.Records().size(), runs) << "an injected command started the tool again";
}
