// A page that is only an image of text is read by the recogniser, unless -T;
// the cache keeps recognised text apart, so -T never sees it and a default
// search after -T still recognises the page.
#include <gtest/gtest.h>

#include "pdf_writer.h"
#include "support/pdf_fixtures.h"
#include "support/tool_builds.h"

namespace zuvediv_test {
namespace {

const char* const kRecognisedOne = "文字認識 (OCR) で読んだページ: 1 (OCR は文字を読み落とすことがあります)";
const char* const kFromCache = "キャッシュから読んだファイル: 1 件";

bool says(const ToolRun& run, const std::string& text) { return run.out.find(text) != std::string::npos; }

// The page found by default and not with -T; from the cache as a fresh read would.
TEST(ScannedPages, FoundByDefaultNotWithTextLayerOnlyAndFromTheCacheAsAFreshReadWould) {
    const ScratchDir dir;
    const std::string scan = dir / "scan.pdf";
    pdf_writer::write_scanned_pdf(scan, {{{20, 20, "請求書 INVOICE 2026"}, {20, 60, "Delivery schedule"}}}, 300, 100);
    const ToolRun found = run_tool_binary({"-N", "-v", "-o", dir / "list.csv", "請求書", scan});
    EXPECT_EQ(found.exit_code, 0) << found.out << found.err;
    EXPECT_TRUE(says(found, "  文字認識 (OCR): scan.pdf ページ 1\n")) << found.out;
    EXPECT_TRUE(says(found, kRecognisedOne)) << found.out;
    EXPECT_NE(ReadFileBytes(dir / "list.csv").find(",scan.pdf,1,請求書,請求書 INVOICE 2026"), std::string::npos)
        << ReadFileBytes(dir / "list.csv");
    struct Step { std::vector<std::string> options; int exit_code; bool from_cache, recognised; };
    const Step steps[] = {
        {{"-N", "-T"}, 1, false, false},
        {{"-T"}, 1, false, false},
        {{}, 0, false, true},  // the page was not recognised under -T
        {{}, 0, true, true},
        {{"-T"}, 1, true, false},  // recognised text is not the text layer
    };
    const Env cache = {{"XDG_CACHE_HOME", dir / "cache"}};
    for (size_t i = 0; i < std::size(steps); ++i) {
        std::vector<std::string> args = steps[i].options;
        args.insert(args.end(), {"delivery schedule", scan});
        const ToolRun run = run_tool_binary(args, cache);
        EXPECT_EQ(run.exit_code, steps[i].exit_code) << i << run.out;
        EXPECT_EQ(says(run, kFromCache), steps[i].from_cache) << i << run.out;
        EXPECT_EQ(says(run, steps[i].recognised ? kRecognisedOne : "文字認識"), steps[i].recognised) << i << run.out;
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
