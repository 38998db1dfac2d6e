// A page that is only an image of text is read by the recogniser, unless -T.
#include <gtest/gtest.h>

#include "pdf_writer.h"
#include "support/pdf_fixtures.h"
#include "support/tool_builds.h"

namespace zuvediv_test {
namespace {

const char* const kRecognisedOne = "文字認識 (OCR) で読んだページ: 1 (OCR は文字を読み落とすことがあります)";
const char* const kFromCache = "キャッシュから読んだファイル: 1 件";

bool says(const ToolRun& run, const std::string& text) { return run.out.find(text) != std::string::npos; }

// A page left unrecognised by -T is recognised by the next search, and -T
// never finds its recognised text, not even in the cache. (The progress
// line and the list: the stamped-scan test and the folder below.)
TEST(ScannedPages, TextLayerOnlyNeverSeesRecognisedTextAndLeavesThePageToTheNextSearch) {
    const ScratchDir dir;
    const std::string scan = dir / "scan.pdf";
    pdf_writer::write_scanned_pdf(scan, {{{20, 20, "請求書 INVOICE 2026"}, {20, 60, "Delivery schedule"}}}, 300, 100);
    struct Step { const char* name; std::vector<std::string> options; int exit_code; bool from_cache, recognised; };
    const Step steps[] = {
        {"-T stores the page unrecognised", {"-T"}, 1, false, false},
        {"the next search recognises it", {}, 0, false, true},
        {"-T skips the stored recognised text", {"-T"}, 1, true, false},
    };
    const Env cache = {{"XDG_CACHE_HOME", dir / "cache"}};
    for (const Step& step : steps) {
        std::vector<std::string> args = step.options;
        args.insert(args.end(), {"delivery schedule", scan});
        const ToolRun run = run_tool_binary(args, cache);
        EXPECT_EQ(run.exit_code, step.exit_code) << step.name << run.out;
        EXPECT_EQ(says(run, kFromCache), step.from_cache) << step.name << run.out;
        EXPECT_EQ(says(run, step.recognised ? kRecognisedOne : "文字認識"), step.recognised) << step.name << run.out;
    }
}

class ScannedFolder : public BothBuilds {};
RUN_ON_BOTH_BUILDS(ScannedFolder);

// A folder of scans: both builds recognise the same words and list them alike.
TEST_P(ScannedFolder, ListedAlikeByBothBuilds) {
    const ScratchDir dir;
    fs::create_directories(dir / "scans");
    pdf_writer::write_scanned_pdf(dir / "scans/one.pdf", {{{20, 20, "請求書 INVOICE 2026"}, {20, 60, "Delivery schedule"}}}, 300, 100);
    pdf_writer::write_scanned_pdf(dir / "scans/two.pdf", {{{20, 20, "請求書 INVOICE 2026"}}, {{20, 20, "Delivery schedule"}}}, 300, 100);
    const ToolRun run = build().run({"-N", "-P", "-o", dir / "list.csv", "delivery schedule", dir / "scans"});
    EXPECT_EQ(run.exit_code, 0) << run.out << run.err;
    EXPECT_EQ(ReadFileBytes(dir / "list.csv"), "\xEF\xBB\xBFファイル,ページ,検索文字列,該当箇所\r\n"
                                               "one.pdf,1,delivery schedule,請求書 INVOICE 2026 Delivery schedule\r\n"
                                               "two.pdf,2,delivery schedule,Delivery schedule\r\n");
}

}  // namespace
}  // namespace zuvediv_test
