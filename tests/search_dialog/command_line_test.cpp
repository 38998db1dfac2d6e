#include "search_dialog/command_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/argument_model.h"

namespace {
// Everything off: no option piece at all. What each piece carries to the
// tool is checked by the tool's own parser (tests/common).
SearchRequest Bare() {
    SearchRequest r;
    r.switches.header = r.switches.fieldFolder = r.switches.fieldFile = r.switches.fieldSearchString = true;
    r.frameColourRgb = 0x1000000;
    r.searchString = L"invoice";
    r.inputPath = L"C:\\Docs";
    r.programDirectory = L"C:\\Tools";
    return r;
}
}  // namespace

TEST(SearchCommandLine, WorkedExampleAndNoPieceWhenEverythingIsOff) {
    SearchRequest r = Bare();
    r.subfolders = r.switches.createImage = r.switches.progress = r.switches.closeCommandPrompt = true;
    r.switches.fieldFolder = r.switches.fieldSearchString = false;
    r.imageFormat = 1;
    r.outputFolder = L"C:\\Out";
    r.csvFileName = L"result";
    r.password = L"secret";
    r.frameWidth = 3;
    r.frameColourRgb = 0xFF0000;
    EXPECT_EQ(ComposeSearchCommandLine(r),
              L"cmd.exe /C \"\"C:\\Tools\\Zuvediv.exe\"  -s -m -F jpeg -O \"C:\\Out\" -o \"result.csv\" -P -R -v"
              L" -p \"secret\" -w 3 -C FF0000 \"invoice\" \"C:\\Docs\"\"");
    EXPECT_EQ(ComposeSearchCommandLine(Bare()), L"cmd.exe /K \"\"C:\\Tools\\Zuvediv.exe\"  \"invoice\" \"C:\\Docs\"\"")
        << "everything at the tool's default or off";
}

TEST(SearchCommandLine, CsvNameRule) {
    const std::wstring astral(1, static_cast<wchar_t>(0x1F600));  // two UTF-16 units, as the edit control counts
    const std::pair<std::wstring, std::optional<std::wstring>> cases[] = {
        {L"result", L"result.csv"}, {L"Result.CSV", L"Result.CSV"}, {L"data.csv.txt", L"data.csv.txt.csv"},
        {L".csv", L".csv"},         {L"csv", L"csv.csv"},           {L"", std::nullopt},
        {L"r", std::nullopt},       {astral, astral + L".csv"},
    };
    for (const auto& [text, completed] : cases) EXPECT_EQ(CompleteCsvFileName(text), completed);
}

TEST(SearchCommandLine, LengthLimitCountsUtf16Units) {
    SearchRequest r = Bare();
    r.searchString.clear();
    const std::size_t base = Utf16Length(ComposeSearchCommandLine(r));
    r.searchString.assign(kMaxCommandLineLength - base, L'x');
    EXPECT_TRUE(FitsCommandLineLimit(ComposeSearchCommandLine(r)));
    r.searchString += L'x';
    EXPECT_FALSE(FitsCommandLineLimit(ComposeSearchCommandLine(r)));
    static_assert(sizeof(wchar_t) == 4, "the native build holds a non-BMP character in one wchar_t");
    r.searchString.assign(kMaxCommandLineLength - base - 2, L'x');
    r.searchString += static_cast<wchar_t>(0x20B9F);
    EXPECT_TRUE(FitsCommandLineLimit(ComposeSearchCommandLine(r)));
    r.searchString.insert(0, 1, L'x');
    EXPECT_FALSE(FitsCommandLineLimit(ComposeSearchCommandLine(r))) << "a character outside the BMP counts two";
}


TEST(CommandLineQuoting, ProgramDirectoryIsProtectedToo) {
    EXPECT_EQ(ComposeHelpCommandLine(L"C:\\"), L"cmd.exe /K \"\"C:\\\\Zuvediv.exe\" -h\"");
    for (const std::wstring dir : {L"C:\\100%\\x", L"C:\\a&b (c)", L"C:\\50% off^", L"C:\\Program Files (x86)"}) {
        SearchRequest r = Bare();
        r.programDirectory = dir;
        EXPECT_EQ(ArgumentsSeen(ComposeSearchCommandLine(r)).at(0), dir + L"\\Zuvediv.exe");
        EXPECT_EQ(ArgumentsSeen(ComposeHelpCommandLine(dir)), (Args{dir + L"\\Zuvediv.exe", L"-h"}));
    }
}
