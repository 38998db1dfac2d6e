// The dialog and the tool agree: the command line that the dialog composes,
// as cmd.exe and the argument splitting hand it on, parsed by the tool's own
// parser, gives back every setting the dialog held.
#include <gtest/gtest.h>

#include <tuple>

#include "command_line/command_line.h"
#include "common/search_contract.h"
#include "search_dialog/command_line.h"
#include "support/argument_model.h"
#include "support/hostile_fields.h"
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

struct SettingsRow { const char* name; void (*change)(SearchRequest&); };

#define ROW(name, change) {name, [](SearchRequest& r) { change; }}
// Quotes, blanks, backslashes and cmd.exe's characters: the hostile fields below.
const SettingsRow kRows[] = {
    ROW("as the dialog starts with nothing stored", (void)r),
    ROW("the tool's defaults leave every option out",
        r.switches.header = r.switches.fieldFolder = r.switches.fieldFile = r.switches.fieldSearchString = true;
        r.imageFormat = -1),
    ROW("every switch on",
        r.subfolders = r.switches.createImage = r.switches.progress = r.switches.closeCommandPrompt = true;
        r.imageFormat = 2; r.outputFolder = L"C:\\Out"; r.csvFileName = L"result"; r.password = L"secret"),
    ROW("JPEG", r.imageFormat = 1),
    ROW("a format index that names none", r.imageFormat = 3),
    ROW("images without a selected format", r.switches.createImage = true; r.outputFolder = L"D:\\img"; r.imageFormat = -1),
    ROW("lowest opacity, widest frame, black", r.opacity = 2; r.frameWidth = 100; r.frameColourRgb = 0),
    ROW("just below opaque, just above the thinnest", r.opacity = 9; r.frameWidth = 2),
    ROW("white frame", r.frameColourRgb = 0xFFFFFF),
    ROW("some columns left out", r.switches.header = r.switches.fieldFile = true),
    ROW("Japanese everywhere", r.searchString = L"請求書"; r.inputPath = L"C:\\書類\\２０２４年"; r.csvFileName = L"結果";
        r.outputFolder = L"C:\\画像"; r.password = L"合言葉"; r.programDirectory = L"C:\\ツール"),
    ROW("a search string starting with -", r.searchString = L"-s"),
    ROW("a search string that is the end of options", r.searchString = L"--"),
    ROW("a search string and path that look like options with a value", r.searchString = L"-a"; r.inputPath = L"-w"),
    ROW("a password starting with -", r.password = L"-v"),
    ROW("a program directory at a drive root", r.programDirectory = L"C:\\"),
    ROW("a CSV name too short to use", r.csvFileName = L"r"),
    ROW("a CSV name that ends in .CSV", r.csvFileName = L"Result.CSV"),
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

// Every field the tool reads; gtest prints both sides when they differ.
auto Fields(const zuvediv::Options& o) {
    return std::tuple(o.recursive, o.make_images, o.format, o.image_folder, o.csv_file, o.no_header, o.no_folder_column,
                      o.no_file_column, o.no_phrase_column, o.verbose, o.password, o.opacity_tenths, o.line_width,
                      o.colour, o.exact_case, o.no_normalise, o.time_limit_seconds, o.workers, o.dpi, o.no_cache,
                      o.text_layer_only, o.show_usage, o.phrase, o.input);
}

// The arguments that reach the tool, after its own path.
std::vector<std::string> ToolArguments(const std::wstring& line, const std::wstring& programDirectory) {
    const Args seen = ArgumentsSeen(line);
    EXPECT_EQ(seen.at(0), programDirectory + L"\\" + search_contract::widen_ascii(search_contract::kToolFileName));
    std::vector<std::string> args;
    for (std::size_t i = 1; i < seen.size(); ++i) args.push_back(Utf8(seen[i]));
    return args;
}

void ExpectTheToolReadsBack(const SearchRequest& request, const std::string& what) {
    const auto parsed = zuvediv::parse_command_line(ToolArguments(ComposeSearchCommandLine(request), request.programDirectory));
    EXPECT_EQ(parsed.error, "") << what;
    EXPECT_EQ(Fields(parsed.options), Fields(ToolSettingsFor(request))) << what;
}
}  // namespace

TEST(SearchContract, TheToolReadsBackEverySettingTheDialogHeld) {
    for (const SettingsRow& row : kRows) {
        SearchRequest request = DialogAtStart();
        row.change(request);
        ExpectTheToolReadsBack(request, row.name);
    }
}

// Texts that cmd.exe would expand or run, or that would split wrongly, in
// every text the dialog passes.
TEST(SearchContract, HostileFieldsReachTheToolIntactAndNothingElseRuns) {
    std::vector<std::wstring> fields(std::begin(kHostileFields), std::end(kHostileFields));
    fields.push_back(L"line\nbreak & x");  // no edit field holds one, but the rule must
    for (const std::wstring& text : fields) {
        for (bool closePrompt : {false, true}) {
            SearchRequest r = DialogAtStart();
            r.switches.closeCommandPrompt = closePrompt;
            r.inputPath = r.password = r.outputFolder = text;
            // The tool refuses a search string of blanks alone.
            if (text.find_first_not_of(L" \t") != std::wstring::npos) r.searchString = text;
            r.csvFileName = text + L".csv";
            ExpectTheToolReadsBack(r, testing::PrintToString(text));
        }
    }
}

TEST(SearchContract, HelpLineShowsTheToolsUsage) {
    const auto args = ToolArguments(ComposeHelpCommandLine(L"C:\\Tools"), L"C:\\Tools");
    EXPECT_TRUE(zuvediv::parse_command_line(args).options.show_usage);
}
