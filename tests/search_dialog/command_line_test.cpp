#include "search_dialog/command_line.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <vector>

namespace {
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

// The option string: what stands between the tool path and the search string.
std::wstring Options(const SearchRequest& r) {
    const std::wstring line = ComposeSearchCommandLine(r);
    const std::wstring head = L"\"" + r.programDirectory + L"\\Zuvediv.exe\" ";
    const std::wstring tail = L" \"" + r.searchString + L"\" \"" + r.inputPath + L"\"\"";
    const auto start = line.find(head);
    if (start == std::wstring::npos || line.size() < tail.size() ||
        line.compare(line.size() - tail.size(), tail.size(), tail) != 0)
        return L"<unexpected line: " + line + L">";
    const auto from = start + head.size();
    return line.substr(from, line.size() - tail.size() - from);
}

SearchRequest operator+(SearchRequest r, const std::wstring& more) {
    r.searchString += more;
    return r;
}

std::string Narrow(const std::wstring& w) {
    std::string s;
    for (wchar_t c : w) s += c < 0x80 ? static_cast<char>(c) : '?';
    return s;
}
}  // namespace

TEST(SearchCommandLine, WorkedExampleComesOutByteForByte) {
    SearchRequest r;
    r.programDirectory = L"C:\\Tools";
    r.inputPath = L"C:\\Docs";
    r.searchString = L"invoice";
    r.subfolders = true;
    r.createImage = true;
    r.imageFormat = 1;
    r.outputFolder = L"C:\\Out";
    r.csvFileName = L"result";
    r.header = true;
    r.fieldFile = true;
    r.progress = true;
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
    struct Case {
        const char* name;
        void (*set)(SearchRequest&);
        const wchar_t* options;
    };
    const Case cases[] = {
        {"nothing", [](SearchRequest&) {}, L""},
        {"subfolders", [](SearchRequest& r) { r.subfolders = true; }, L" -s"},
        {"create image", [](SearchRequest& r) { r.createImage = true; }, L" -m"},
        {"png", [](SearchRequest& r) { r.imageFormat = 0; }, L" -F png"},
        {"jpeg", [](SearchRequest& r) { r.imageFormat = 1; }, L" -F jpeg"},
        {"tiff", [](SearchRequest& r) { r.imageFormat = 2; }, L" -F tiff"},
        {"format 3", [](SearchRequest& r) { r.imageFormat = 3; }, L""},
        {"output folder", [](SearchRequest& r) { r.outputFolder = L"C:\\Out"; }, L" -O \"C:\\Out\""},
        {"csv one char", [](SearchRequest& r) { r.csvFileName = L"a"; }, L""},
        {"csv two chars", [](SearchRequest& r) { r.csvFileName = L"ab"; }, L" -o \"ab.csv\""},
        {"no header", [](SearchRequest& r) { r.header = false; }, L" -H"},
        {"no folder", [](SearchRequest& r) { r.fieldFolder = false; }, L" -P"},
        {"no file", [](SearchRequest& r) { r.fieldFile = false; }, L" -Q"},
        {"no string", [](SearchRequest& r) { r.fieldSearchString = false; }, L" -R"},
        {"all csv cleared",
         [](SearchRequest& r) { r.header = r.fieldFolder = r.fieldFile = r.fieldSearchString = false; },
         L" -H -P -Q -R"},
        {"progress", [](SearchRequest& r) { r.progress = true; }, L" -v"},
        {"password", [](SearchRequest& r) { r.password = L"pw"; }, L" -p \"pw\""},
        {"opacity 10", [](SearchRequest& r) { r.opacity = 10; }, L""},
        {"opacity 9", [](SearchRequest& r) { r.opacity = 9; }, L" -a 9"},
        {"opacity 2", [](SearchRequest& r) { r.opacity = 2; }, L" -a 2"},
        {"width 1", [](SearchRequest& r) { r.frameWidth = 1; }, L""},
        {"width 0", [](SearchRequest& r) { r.frameWidth = 0; }, L""},
        {"width 2", [](SearchRequest& r) { r.frameWidth = 2; }, L" -w 2"},
        {"width 100", [](SearchRequest& r) { r.frameWidth = 100; }, L" -w 100"},
        {"black", [](SearchRequest& r) { r.frameColourRgb = 0; }, L" -C 0"},
        {"blue", [](SearchRequest& r) { r.frameColourRgb = 0xFF; }, L" -C FF"},
        {"white", [](SearchRequest& r) { r.frameColourRgb = 0xFFFFFF; }, L" -C FFFFFF"},
        {"everything in order",
         [](SearchRequest& r) {
             r.subfolders = r.createImage = r.progress = true;
             r.imageFormat = 2;
             r.outputFolder = L"o";
             r.csvFileName = L"c.CSV";
             r.header = r.fieldFolder = r.fieldFile = r.fieldSearchString = false;
             r.password = L"p";
             r.opacity = 5;
             r.frameWidth = 7;
             r.frameColourRgb = 0xABC;
         },
         L" -s -m -F tiff -O \"o\" -o \"c.CSV\" -H -P -Q -R -v -p \"p\" -a 5 -w 7 -C ABC"},
    };
    for (const Case& c : cases) {
        SearchRequest r = Bare();
        c.set(r);
        EXPECT_EQ(Options(r), c.options) << c.name;
    }
}

TEST(SearchCommandLine, PromptSwitchFollowsTheCloseBox) {
    SearchRequest r = Bare();
    EXPECT_EQ(ComposeSearchCommandLine(r).rfind(L"cmd.exe /K \"\"C:\\Tools\\Zuvediv.exe\"  \"invoice\"", 0), 0u);
    r.closePrompt = true;
    EXPECT_EQ(ComposeSearchCommandLine(r).rfind(L"cmd.exe /C ", 0), 0u);
}

TEST(CsvNameRule, CompletesOnlyWhatNeedsIt) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"result", L"result.csv"},     {L"Result.CSV", L"Result.CSV"}, {L"data.csv.txt", L"data.csv.txt.csv"},
        {L"ab", L"ab.csv"},             {L"x.CSV", L"x.CSV"},           {L".csv", L".csv"},
        {L"a.Csv", L"a.Csv"},           {L"csv", L"csv.csv"},           {L"結果", L"結果.csv"},
        {L"a.csv ", L"a.csv .csv"},
    };
    for (const auto& [text, completed] : cases) EXPECT_EQ(CompleteCsvFileName(text), completed) << Narrow(text);
    EXPECT_EQ(CompleteCsvFileName(L""), std::nullopt);
    EXPECT_EQ(CompleteCsvFileName(L"r"), std::nullopt);
    // One character outside the BMP is two UTF-16 units, as the edit control counts it.
    EXPECT_EQ(CompleteCsvFileName(std::wstring(1, static_cast<wchar_t>(0x1F600))).value_or(L"none").size(),
              std::wstring(1, static_cast<wchar_t>(0x1F600)).size() + 4);
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
    if (sizeof(wchar_t) == 4) {
        const std::wstring wide(1, static_cast<wchar_t>(0x20B9F));
        r.searchString.assign(kMaxCommandLineLength - base - 2, L'x');
        EXPECT_TRUE(FitsCommandLineLimit(ComposeSearchCommandLine(r + wide)));
        r.searchString += L'x';
        EXPECT_FALSE(FitsCommandLineLimit(ComposeSearchCommandLine(r + wide)));
    }
    EXPECT_EQ(Utf16Length(L"a日"), 2u);
}

TEST(SearchCommandLine, DriveRootKeepsBothBackslashes) {
    SearchRequest r = Bare();
    r.programDirectory = L"C:\\";
    EXPECT_EQ(ComposeSearchCommandLine(r), L"cmd.exe /K \"\"C:\\\\Zuvediv.exe\"  \"invoice\" \"C:\\Docs\"\"");
    EXPECT_EQ(ComposeHelpCommandLine(L"C:\\"), L"cmd.exe /K \"\"C:\\\\Zuvediv.exe\" -h\"");
}

TEST(HelpCommandLine, AlwaysKeepsThePromptOpen) {
    EXPECT_EQ(ComposeHelpCommandLine(L"C:\\Tools"), L"cmd.exe /K \"\"C:\\Tools\\Zuvediv.exe\" -h\"");
    EXPECT_EQ(ComposeHelpCommandLine(L"C:\\Program Files (x86)\\P&Q"),
              L"cmd.exe /K \"\"C:\\Program Files (x86)\\P&Q\\Zuvediv.exe\" -h\"");
}

// Text that needs no escaping gives the line as it was always composed.
TEST(SearchCommandLine, PlainFieldsAreInsertedUnchanged) {
    const wchar_t* plain[] = {L" ", L"a & b | c < d > e ^ f ( g ) h !", L"日本語 テキスト", L"C:\\a\\b",
                              L"x\\\\y", L"\t", L"C:\\R&D (copy)"};
    for (const wchar_t* text : plain) {
        SearchRequest r = Bare();
        r.searchString = text;
        r.inputPath = text;
        r.outputFolder = text;
        r.password = text;
        wchar_t expected[512];
        std::swprintf(expected, 512, L"%ls \"\"%ls\\Zuvediv.exe\" %ls \"%ls\" \"%ls\"\"", L"cmd.exe /K", L"C:\\Tools",
                      (L" -O \"" + std::wstring(text) + L"\" -p \"" + text + L"\"").c_str(), text, text);
        EXPECT_EQ(ComposeSearchCommandLine(r), expected) << Narrow(text);
    }
}

namespace {
// cmd.exe /C or /K as documented: strip the first and last quote, expand
// %NAME% (also %NAME:...%) even inside quotes unless the name holds a quote,
// and act on its operators outside quotes. Any expansion or operator fails.
std::optional<std::wstring> CmdModel(const std::wstring& line) {
    const std::wstring prefixes[] = {L"cmd.exe /C \"", L"cmd.exe /K \""};
    if (line.rfind(prefixes[0], 0) != 0 && line.rfind(prefixes[1], 0) != 0) return std::nullopt;
    if (line.back() != L'"') return std::nullopt;
    const std::wstring tail = line.substr(prefixes[0].size(), line.size() - prefixes[0].size() - 1);
    for (std::size_t at = tail.find(L'%'); at != std::wstring::npos; at = tail.find(L'%', at + 1)) {
        const auto end = tail.find(L'%', at + 1);
        if (end == std::wstring::npos) break;
        const std::wstring name = tail.substr(at + 1, end - at - 1).substr(0, tail.find(L':', at + 1) - at - 1);
        if (!name.empty() && name.find(L'"') == std::wstring::npos) {
            ADD_FAILURE() << "cmd.exe would expand %" << Narrow(name) << "%";
            return std::nullopt;
        }
    }
    bool quoted = false;
    for (wchar_t c : tail) {
        if (c == L'"') quoted = !quoted;
        else if (!quoted && std::wcschr(L"&|<>()^!\r\n", c)) {
            ADD_FAILURE() << "cmd.exe would act on '" << static_cast<char>(c) << "'";
            return std::nullopt;
        }
    }
    return tail;
}

// Splits by the CommandLineToArgvW rules. Runs of quotes that the parser
// variants read differently ("" inside quotes, three in a row) fail.
std::optional<std::vector<std::wstring>> SplitArguments(const std::wstring& line) {
    std::vector<std::wstring> args;
    std::size_t i = 0;
    if (line.empty() || line[0] != L'"') return std::nullopt;
    const auto programEnd = line.find(L'"', 1);
    args.push_back(line.substr(1, programEnd - 1));
    i = programEnd + 1;
    bool quoted = false, inArg = false;
    std::wstring current;
    while (i < line.size()) {
        const wchar_t c = line[i];
        if ((c == L' ' || c == L'\t') && !quoted) {
            if (inArg) args.push_back(current);
            current.clear();
            inArg = false;
            ++i;
            continue;
        }
        inArg = true;
        if (c == L'\\') {
            std::size_t n = 0;
            while (i < line.size() && line[i] == L'\\') ++n, ++i;
            if (i < line.size() && line[i] == L'"') {
                current.append(n / 2, L'\\');
                if (n % 2 == 1) current += L'"', ++i;
            } else {
                current.append(n, L'\\');
            }
        } else if (c == L'"') {
            std::size_t run = 0;
            while (i < line.size() && line[i] == L'"') ++run, ++i;
            if (run >= 3 || (run == 2 && quoted)) {
                ADD_FAILURE() << "ambiguous quote run";
                return std::nullopt;
            }
            if (run == 1) quoted = !quoted;
        } else {
            current += c;
            ++i;
        }
    }
    if (inArg) args.push_back(current);
    return args;
}

std::vector<std::wstring> ArgumentsSeen(const std::wstring& line) {
    const auto tail = CmdModel(line);
    if (!tail) return {L"<rejected by cmd.exe model>"};
    return SplitArguments(*tail).value_or(std::vector<std::wstring>{L"<ambiguous>"});
}
}  // namespace

TEST(CommandLineQuoting, EveryFieldArrivesIntactAndNothingElseRuns) {
    const wchar_t* nasty[] = {
        L"a\" & calc & \"b", L"\" & Zuvediv.exe x & \"", L"\"", L"\"\"", L"\"\"\"", L"a\"b c\"d",
        L"&|<>^()%!",        L"%PATH%",                  L"100%FOO%", L"%FOO:~0,3%", L"%%", L"%\"%",
        L"D:\\",             L"C:\\a b\\\\",             L"x\\\"y",   L"\\\\server\\share\\", L"\\",
        L"日本語 \"テキスト\"", L" ",                      L"a\tb",     L"^\"^", L"a\" (b) \"c", L"line\nbreak & x",
        L"\"%FOO%\" & \"%BAR%\"", L"a\\\" & b",
    };
    for (const wchar_t* text : nasty) {
        for (bool closePrompt : {false, true}) {
            SearchRequest r = Bare();
            r.closePrompt = closePrompt;
            r.searchString = r.inputPath = r.password = r.outputFolder = text;
            r.csvFileName = std::wstring(text) + L".csv";
            const std::vector<std::wstring> expected = {L"C:\\Tools\\Zuvediv.exe", L"-O", text, L"-o", r.csvFileName,
                                                        L"-p", text, text, text};
            const auto seen = ArgumentsSeen(ComposeSearchCommandLine(r));
            EXPECT_EQ(seen, expected) << Narrow(text);
        }
    }
}

TEST(CommandLineQuoting, OddQuotesInOneFieldDoNotUnprotectTheNext) {
    // After a field with one quote cmd.exe's and the parser's views differ;
    // the following fields must still be protected.
    SearchRequest r = Bare();
    r.outputFolder = L"a\"b";
    r.password = L"x & y | z";
    r.searchString = L"%FOO% <in> ^";
    r.inputPath = L"C:\\R&D\\";
    EXPECT_EQ(ArgumentsSeen(ComposeSearchCommandLine(r)),
              (std::vector<std::wstring>{L"C:\\Tools\\Zuvediv.exe", L"-O", L"a\"b", L"-p", L"x & y | z",
                                         L"%FOO% <in> ^", L"C:\\R&D\\"}));
}

TEST(CommandLineQuoting, ProgramDirectoryIsProtectedToo) {
    for (const wchar_t* dir : {L"C:\\100%\\x", L"C:\\a&b (c)", L"C:\\50% off^"}) {
        SearchRequest r = Bare();
        r.programDirectory = dir;
        EXPECT_EQ(ArgumentsSeen(ComposeSearchCommandLine(r)).at(0), std::wstring(dir) + L"\\Zuvediv.exe");
        const auto help = ArgumentsSeen(ComposeHelpCommandLine(dir));
        EXPECT_EQ(help, (std::vector<std::wstring>{std::wstring(dir) + L"\\Zuvediv.exe", L"-h"}));
    }
}
