#include "search_dialog/command_line.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <vector>

namespace {
using testing::PrintToString;
using Args = std::vector<std::wstring>;

// Everything off: no option piece at all.
SearchRequest Bare() {
    SearchRequest r;
    r.header = r.fieldFolder = r.fieldFile = r.fieldSearchString = true;
    r.frameColourRgb = 0x1000000;
    r.searchString = L"invoice";
    r.inputPath = L"C:\\Docs";
    r.programDirectory = L"C:\\Tools";
    return r;
}

// What stands between the tool path and the search string.
std::wstring Options(const SearchRequest& r) {
    const std::wstring line = ComposeSearchCommandLine(r), head = L"cmd.exe /K \"\"C:\\Tools\\Zuvediv.exe\" ",
                       tail = L" \"invoice\" \"C:\\Docs\"\"";
    if (line.rfind(head, 0) != 0 || line.size() < head.size() + tail.size() ||
        line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
        return L"<unexpected line: " + line + L">";
    return line.substr(head.size(), line.size() - tail.size() - head.size());
}
}  // namespace

TEST(SearchCommandLine, WorkedExampleComesOutByteForByte) {
    SearchRequest r;
    r.programDirectory = L"C:\\Tools";
    r.inputPath = L"C:\\Docs";
    r.searchString = L"invoice";
    r.subfolders = r.createImage = r.header = r.fieldFile = r.progress = true;
    r.imageFormat = 1;
    r.outputFolder = L"C:\\Out";
    r.csvFileName = L"result";
    r.opacity = 10;
    r.frameWidth = 3;
    r.frameColourRgb = 0xFF0000;
    EXPECT_EQ(ComposeSearchCommandLine(r),
              L"cmd.exe /K \"\"C:\\Tools\\Zuvediv.exe\"  -s -m -F jpeg -O \"C:\\Out\" -o \"result.csv\" -P -R -v"
              L" -w 3 -C FF0000 \"invoice\" \"C:\\Docs\"\"");
    r.password = L"secret";
    r.closePrompt = true;
    EXPECT_EQ(ComposeSearchCommandLine(r),
              L"cmd.exe /C \"\"C:\\Tools\\Zuvediv.exe\"  -s -m -F jpeg -O \"C:\\Out\" -o \"result.csv\" -P -R -v"
              L" -p \"secret\" -w 3 -C FF0000 \"invoice\" \"C:\\Docs\"\"");
}

TEST(SearchCommandLine, EachOptionPieceFollowsItsCondition) {
#define PIECE(change, options) {[](SearchRequest& r) { change; }, options}
    const std::pair<void (*)(SearchRequest&), const wchar_t*> cases[] = {
        PIECE((void)r, L""),
        PIECE(r.subfolders = true, L" -s"),
        PIECE(r.createImage = true, L" -m"),
        PIECE(r.imageFormat = 0, L" -F png"),
        PIECE(r.imageFormat = 1, L" -F jpeg"),
        PIECE(r.imageFormat = 2, L" -F tiff"),
        PIECE(r.imageFormat = 3, L""),
        PIECE(r.outputFolder = L"C:\\Out", L" -O \"C:\\Out\""),
        PIECE(r.csvFileName = L"a", L""),
        PIECE(r.csvFileName = L"ab", L" -o \"ab.csv\""),
        PIECE(r.header = false, L" -H"),
        PIECE(r.fieldFolder = false, L" -P"),
        PIECE(r.fieldFile = false, L" -Q"),
        PIECE(r.fieldSearchString = false, L" -R"),
        PIECE(r.progress = true, L" -v"),
        PIECE(r.password = L"pw", L" -p \"pw\""),
        PIECE(r.opacity = 10, L""),
        PIECE(r.opacity = 9, L" -a 9"),
        PIECE(r.frameWidth = 1, L""),
        PIECE(r.frameWidth = 0, L""),
        PIECE(r.frameWidth = 2, L" -w 2"),
        PIECE(r.frameColourRgb = 0, L" -C 0"),
        PIECE(r.frameColourRgb = 0xFFFFFF, L" -C FFFFFF"),
        PIECE(r.subfolders = r.createImage = r.progress = true; r.imageFormat = 2; r.outputFolder = L"o";
              r.csvFileName = L"c.CSV"; r.header = r.fieldFolder = r.fieldFile = r.fieldSearchString = false;
              r.password = L"p"; r.opacity = 5; r.frameWidth = 7; r.frameColourRgb = 0xABC,
              L" -s -m -F tiff -O \"o\" -o \"c.CSV\" -H -P -Q -R -v -p \"p\" -a 5 -w 7 -C ABC"),
    };
#undef PIECE
    for (const auto& [change, options] : cases) {
        SearchRequest r = Bare();
        change(r);
        EXPECT_EQ(Options(r), options);
    }
}

TEST(CsvNameRule, CompletesOnlyWhatNeedsIt) {
    const std::pair<std::wstring, std::optional<std::wstring>> cases[] = {
        {L"result", L"result.csv"}, {L"Result.CSV", L"Result.CSV"}, {L"data.csv.txt", L"data.csv.txt.csv"},
        {L"ab", L"ab.csv"},         {L".csv", L".csv"},             {L"a.Csv", L"a.Csv"},
        {L"csv", L"csv.csv"},       {L"結果", L"結果.csv"},         {L"a.csv ", L"a.csv .csv"},
        {L"", std::nullopt},        {L"r", std::nullopt},
        // One character outside the BMP is two UTF-16 units, as the edit control counts it.
        {std::wstring(1, static_cast<wchar_t>(0x1F600)), std::wstring(1, static_cast<wchar_t>(0x1F600)) + L".csv"},
    };
    for (const auto& [text, completed] : cases) EXPECT_EQ(CompleteCsvFileName(text), completed);
}

TEST(SearchCommandLine, LengthLimitCountsUtf16Units) {
    SearchRequest r = Bare();
    r.searchString.clear();
    const std::size_t base = Utf16Length(ComposeSearchCommandLine(r));
    r.searchString.assign(kMaxCommandLineLength - base, L'x');
    EXPECT_EQ(Utf16Length(ComposeSearchCommandLine(r)), 3200u);
    EXPECT_TRUE(FitsCommandLineLimit(ComposeSearchCommandLine(r)));
    r.searchString += L'x';
    EXPECT_FALSE(FitsCommandLineLimit(ComposeSearchCommandLine(r)));
    // A character outside the BMP counts two, so it tips 3200 over.
    static_assert(sizeof(wchar_t) == 4, "the native build holds a non-BMP character in one wchar_t");
    r.searchString.assign(kMaxCommandLineLength - base - 2, L'x');
    r.searchString += static_cast<wchar_t>(0x20B9F);
    EXPECT_TRUE(FitsCommandLineLimit(ComposeSearchCommandLine(r)));
    r.searchString.insert(0, 1, L'x');
    EXPECT_FALSE(FitsCommandLineLimit(ComposeSearchCommandLine(r)));
}

TEST(SearchCommandLine, DriveRootAndHelpLine) {
    SearchRequest r = Bare();
    r.programDirectory = L"C:\\";
    EXPECT_EQ(ComposeSearchCommandLine(r), L"cmd.exe /K \"\"C:\\\\Zuvediv.exe\"  \"invoice\" \"C:\\Docs\"\"");
    EXPECT_EQ(ComposeHelpCommandLine(L"C:\\"), L"cmd.exe /K \"\"C:\\\\Zuvediv.exe\" -h\"");
    EXPECT_EQ(ComposeHelpCommandLine(L"C:\\Program Files (x86)\\P&Q"),
              L"cmd.exe /K \"\"C:\\Program Files (x86)\\P&Q\\Zuvediv.exe\" -h\"");
}

namespace {
// cmd.exe /C or /K: strips the first and last quote, expands %NAME% (also
// %NAME:...%) even inside quotes unless the name holds a quote, and acts on
// operators outside quotes. Any expansion or operator is a failure.
std::optional<std::wstring> CmdModel(const std::wstring& line) {
    if ((line.rfind(L"cmd.exe /C \"", 0) != 0 && line.rfind(L"cmd.exe /K \"", 0) != 0) || line.back() != L'"')
        return std::nullopt;
    const std::wstring tail = line.substr(12, line.size() - 13);
    for (auto at = tail.find(L'%'), end = at; at != std::wstring::npos; at = tail.find(L'%', at + 1)) {
        if ((end = tail.find(L'%', at + 1)) == std::wstring::npos) break;
        const std::wstring name = tail.substr(at + 1, std::min(end, tail.find(L':', at + 1)) - at - 1);
        if (!name.empty() && name.find(L'"') == std::wstring::npos) return std::nullopt;
    }
    bool quoted = false;
    for (wchar_t c : tail)
        if (c == L'"') quoted = !quoted;
        else if (!quoted && std::wcschr(L"&|<>()^!\r\n", c)) return std::nullopt;
    return tail;
}

// Splits by the CommandLineToArgvW rules; quote runs that its variants read
// differently ("" inside quotes, three in a row) are a failure.
std::optional<Args> SplitArguments(const std::wstring& line) {
    const auto programEnd = line.find(L'"', 1);
    if (line.empty() || line[0] != L'"' || programEnd == std::wstring::npos) return std::nullopt;
    Args args{line.substr(1, programEnd - 1)};
    bool quoted = false, inArg = false;
    std::wstring current;
    for (std::size_t i = programEnd + 1, n; i < line.size();) {
        const wchar_t c = line[i];
        if ((c == L' ' || c == L'\t') && !quoted) {
            if (inArg) args.push_back(current);
            current.clear();
            inArg = false;
            ++i;
            continue;
        }
        inArg = true;
        for (n = 0; i < line.size() && line[i] == c && (c == L'\\' || c == L'"'); ++n) ++i;
        if (c == L'\\' && i < line.size() && line[i] == L'"') {
            current.append(n / 2, L'\\');
            if (n % 2) current += L'"', ++i;
        } else if (c == L'\\') {
            current.append(n, L'\\');
        } else if (c == L'"') {
            if (n >= 3 || (n == 2 && quoted)) return std::nullopt;
            if (n == 1) quoted = !quoted;
        } else {
            current += c, ++i;
        }
    }
    if (inArg) args.push_back(current);
    return args;
}

Args ArgumentsSeen(const std::wstring& line) {
    const auto tail = CmdModel(line);
    if (!tail) return {L"<cmd.exe would expand or run something>"};
    return SplitArguments(*tail).value_or(Args{L"<ambiguous quotes>"});
}
}  // namespace

TEST(CommandLineQuoting, EveryFieldArrivesIntactAndNothingElseRuns) {
    const wchar_t* nasty[] = {
        L"a\" & calc & \"b", L"\" & Zuvediv.exe x & \"", L"\"", L"\"\"", L"\"\"\"", L"a\"b c\"d",
        L"&|<>^()%!",        L"%PATH%",                  L"100%FOO%", L"%FOO:~0,3%", L"%%", L"%\"%",
        L"D:\\",             L"C:\\a b\\\\",             L"x\\\"y",   L"\\\\server\\share\\", L"\\",
        L"日本語 \"テキスト\"", L" ",                      L"a\tb",     L"^\"^", L"a\" (b) \"c", L"line\nbreak & x",
        L"\"%FOO%\" & \"%BAR%\"", L"a\\\" & b",           L"C:\\R&D (copy)",
    };
    for (const wchar_t* text : nasty) {
        for (bool closePrompt : {false, true}) {
            SearchRequest r = Bare();
            r.closePrompt = closePrompt;
            r.searchString = r.inputPath = r.password = r.outputFolder = text;
            r.csvFileName = std::wstring(text) + L".csv";
            EXPECT_EQ(ArgumentsSeen(ComposeSearchCommandLine(r)),
                      (Args{L"C:\\Tools\\Zuvediv.exe", L"-O", text, L"-o", r.csvFileName, L"-p", text, text, text}))
                << PrintToString(std::wstring(text));
        }
    }
    // After a field with one quote cmd.exe's and the parser's views differ;
    // the following fields must still be protected.
    SearchRequest r = Bare();
    r.outputFolder = L"a\"b";
    r.password = L"x & y | z";
    r.searchString = L"%FOO% <in> ^";
    r.inputPath = L"C:\\R&D\\";
    EXPECT_EQ(ArgumentsSeen(ComposeSearchCommandLine(r)),
              (Args{L"C:\\Tools\\Zuvediv.exe", L"-O", L"a\"b", L"-p", L"x & y | z", L"%FOO% <in> ^", L"C:\\R&D\\"}));
}

TEST(CommandLineQuoting, ProgramDirectoryIsProtectedToo) {
    for (const std::wstring dir : {L"C:\\100%\\x", L"C:\\a&b (c)", L"C:\\50% off^"}) {
        SearchRequest r = Bare();
        r.programDirectory = dir;
        EXPECT_EQ(ArgumentsSeen(ComposeSearchCommandLine(r)).at(0), dir + L"\\Zuvediv.exe");
        EXPECT_EQ(ArgumentsSeen(ComposeHelpCommandLine(dir)), (Args{dir + L"\\Zuvediv.exe", L"-h"}));
    }
}
