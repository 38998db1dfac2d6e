// The dialog and the tool agree: the command line that the dialog composes,
// as cmd.exe and the argument splitting hand it on, parsed by the tool's own
// parser, gives back every setting the dialog held.
#include <gtest/gtest.h>

#include <sstream>

#include "command_line/command_line.h"
#include "common/search_contract.h"
#include "search_dialog/command_line.h"
#include "support/argument_model.h"
#include "text/page_hits.h"

namespace {
std::string Utf8(const std::wstring& text) { return zuvediv::to_utf8(std::u32string(text.begin(), text.end())); }

// The dialog as it opens with nothing stored.
SearchRequest DialogAtStart() {
    SearchRequest r;
    r.imageFormat = 0;
    r.searchString = L"invoice";
    r.inputPath = L"C:\\Docs";
    r.programDirectory = L"C:\\Tools";
    return r;
}

struct SettingsRow {
    const char* name;
    void (*change)(SearchRequest&);
};

#define ROW(name, change) {name, [](SearchRequest& r) { change; }}
const SettingsRow kRows[] = {
    ROW("as the dialog starts with nothing stored", (void)r),
    ROW("the tool's defaults leave every option out",
        r.switches.header = r.switches.fieldFolder = r.switches.fieldFile = r.switches.fieldSearchString = true; r.imageFormat = -1),
    ROW("every switch on",
        r.subfolders = r.switches.createImage = r.switches.progress = r.switches.closeCommandPrompt = true; r.imageFormat = 2;
        r.outputFolder = L"C:\\Out"; r.csvFileName = L"result"; r.password = L"secret"),
    ROW("JPEG", r.imageFormat = 1),
    ROW("a format index that names none", r.imageFormat = 3),
    ROW("image without a selected format", r.switches.createImage = true; r.outputFolder = L"D:\\img"; r.imageFormat = -1),
    ROW("lowest opacity, widest frame, black", r.opacity = 2; r.frameWidth = 100; r.frameColourRgb = 0),
    ROW("just below opaque, just above the thinnest", r.opacity = 9; r.frameWidth = 2),
    ROW("white frame", r.frameColourRgb = 0xFFFFFF),
    ROW("blue frame", r.frameColourRgb = 0xFF),
    ROW("some columns left out", r.switches.header = r.switches.fieldFile = true),
    ROW("Japanese everywhere",
        r.searchString = L"請求書"; r.inputPath = L"C:\\書類\\２０２４年"; r.outputFolder = L"C:\\画像";
        r.csvFileName = L"結果"; r.password = L"合言葉"; r.programDirectory = L"C:\\ツール"),
    ROW("blanks inside and around",
        r.searchString = L" a  b "; r.inputPath = L"C:\\My Docs\\a b.pdf"; r.outputFolder = L"C:\\Out Folder";
        r.csvFileName = L"my result"; r.password = L"pass word"; r.programDirectory = L"C:\\Program Files\\Vivevav"),
    ROW("quotes in the search string and password", r.searchString = L"say \"hi\""; r.password = L"\"q\"\""),
    ROW("a search string starting with -", r.searchString = L"-s"),
    ROW("a search string that is the end of options", r.searchString = L"--"),
    ROW("a search string that looks like an option with a value", r.searchString = L"-a"; r.inputPath = L"-w"),
    ROW("a password starting with -", r.password = L"-v"),
    ROW("trailing backslashes", r.outputFolder = L"C:\\Out\\"; r.inputPath = L"D:\\"; r.programDirectory = L"C:\\"),
    ROW("a CSV name too short to use", r.csvFileName = L"r"),
    ROW("a CSV name that ends in .CSV", r.csvFileName = L"Result.CSV"),
    ROW("percent signs and operators",
        r.searchString = L"100% & (x)"; r.inputPath = L"C:\\R&D (copy)"; r.password = L"%PATH%"; r.outputFolder = L"C:\\50%"),
};
#undef ROW

// What the tool must end up with for the dialog's request.
zuvediv::Options ToolSettingsFor(const SearchRequest& r) {
    zuvediv::Options o;
    o.recursive = r.subfolders;
    o.make_images = r.switches.createImage;
    if (const auto* format = search_contract::image_format_at(r.imageFormat)) o.format = format->format;
    o.image_folder = Utf8(r.outputFolder);
    o.csv_file = Utf8(CompleteCsvFileName(r.csvFileName).value_or(L""));
    o.no_header = !r.switches.header;
    o.no_folder_column = !r.switches.fieldFolder;
    o.no_file_column = !r.switches.fieldFile;
    o.no_phrase_column = !r.switches.fieldSearchString;
    o.verbose = r.switches.progress;
    o.password = Utf8(r.password);
    o.opacity_tenths = r.opacity;
    o.line_width = static_cast<int>(r.frameWidth);
    o.colour = r.frameColourRgb;
    o.phrase = Utf8(r.searchString);
    o.input = Utf8(r.inputPath);
    return o;
}

// Every field, so that a failure names the one that differs.
std::string Described(const zuvediv::Options& o) {
    std::ostringstream text;
    text << "-s " << o.recursive << "\n-m " << o.make_images << "\n-F " << static_cast<int>(o.format)
         << "\n-O " << o.image_folder << "\n-o " << o.csv_file << "\n-H -P -Q -R " << o.no_header
         << o.no_folder_column << o.no_file_column << o.no_phrase_column << "\n-v " << o.verbose << "\n-p "
         << o.password << "\n-a " << o.opacity_tenths << "\n-w " << o.line_width << "\n-C " << std::hex << o.colour
         << std::dec << "\n-c -n -N -T " << o.exact_case << o.no_normalise << o.no_cache << o.text_layer_only
         << "\n-t -j -r " << o.time_limit_seconds << " " << o.workers << " " << o.dpi << "\n-h " << o.show_usage
         << "\nsearch " << o.phrase << "\npath " << o.input;
    return text.str();
}

// The arguments that reach the tool, after its own path.
std::vector<std::string> ToolArguments(const std::wstring& line, const std::wstring& programDirectory) {
    const Args seen = ArgumentsSeen(line);
    EXPECT_EQ(seen.at(0), programDirectory + L"\\" + search_contract::widen_ascii(search_contract::kToolFileName));
    std::vector<std::string> args;
    for (std::size_t i = 1; i < seen.size(); ++i) args.push_back(Utf8(seen[i]));
    return args;
}
}  // namespace

TEST(SearchContract, TheToolReadsBackEverySettingTheDialogHeld) {
    for (const SettingsRow& row : kRows) {
        SearchRequest request = DialogAtStart();
        row.change(request);
        const std::wstring line = ComposeSearchCommandLine(request);
        EXPECT_EQ(line.rfind(request.switches.closeCommandPrompt ? L"cmd.exe /C " : L"cmd.exe /K ", 0), 0u) << row.name;
        const auto parsed = zuvediv::parse_command_line(ToolArguments(line, request.programDirectory));
        EXPECT_EQ(parsed.error, "") << row.name;
        EXPECT_EQ(Described(parsed.options), Described(ToolSettingsFor(request))) << row.name;
    }
}

TEST(SearchContract, HelpLineShowsTheToolsUsage) {
    const auto args = ToolArguments(ComposeHelpCommandLine(L"C:\\Tools"), L"C:\\Tools");
    EXPECT_TRUE(zuvediv::parse_command_line(args).options.show_usage);
}

TEST(SearchContract, BridgeReadsTheStatusLinesTheToolWrites) {
    using search_contract::read_bridge_status;
    const std::string started = search_contract::bridge_pid_line(4321);
    EXPECT_EQ(std::tuple(read_bridge_status("").pid, read_bridge_status("").exited), std::tuple(0ul, false));
    EXPECT_EQ(std::tuple(read_bridge_status(started).pid, read_bridge_status(started).exited), std::tuple(4321ul, false));
    const auto ended = read_bridge_status(started + search_contract::bridge_exit_line(1));
    EXPECT_EQ(std::tuple(ended.pid, ended.exited, ended.exit_code), std::tuple(4321ul, true, 1));
}
