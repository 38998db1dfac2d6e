// A scan with a line of real text stamped on it (a receipt number) has a
// text layer, yet its body is recognised: both are searched, each hit found
// once; -T sees the stamp alone, and the cache never hands recognised text
// to -T nor a page left unrecognised to a search that recognises.
#include <gtest/gtest.h>

#include "support/pdf_fixtures.h"
#include "support/scan_pages.h"

namespace zuvediv_test {
namespace {

bool says(const ToolRun& run, const std::string& text) { return run.out.find(text) != std::string::npos; }

TEST(StampedScan, BodyAndStampBothSearchedEachHitOnceAndTextLayerOnlySeesTheStamp) {
    const ScratchDir dir;
    const std::string scan = dir / "stamped.pdf";
    write_scan_pdf(scan, {ScanPage{{"お客様の請求書番号は下記です", "The delivery schedule follows."}, 0, false,
                                   {{150, 160, "受付番号 2026-0042"}}}});
    struct Step { std::vector<std::string> options; std::string phrase; int hits; bool from_cache, recognised; };
    const Step steps[] = {
        {{"-T"}, "受付番号", 1, false, false},
        {{"-T"}, "請求書番号", 0, true, false},  // the body is not the text layer
        {{}, "請求書番号", 1, false, true},      // a page left unrecognised by -T is read again
        {{}, "受付番号", 1, true, true},         // the stamp once, not again from the image
        {{}, "delivery schedule", 1, true, true},
        {{"-T"}, "受付番号", 1, false, false},   // recognised text is not handed to -T
    };
    const Env cache = {{"XDG_CACHE_HOME", dir / "cache"}};
    for (size_t i = 0; i < std::size(steps); ++i) {
        std::vector<std::string> args = steps[i].options;
        args.insert(args.end(), {"-v", steps[i].phrase, scan});
        const ToolRun run = run_tool_binary(args, cache);
        EXPECT_EQ(run.exit_code, steps[i].hits ? 0 : 1) << i << run.out << run.err;
        EXPECT_TRUE(says(run, "該当: " + std::to_string(steps[i].hits) + " 件")) << i << run.out;
        EXPECT_EQ(says(run, "キャッシュから読んだファイル: 1 件"), steps[i].from_cache) << i << run.out;
        EXPECT_EQ(says(run, "文字認識 (OCR) で読んだページ: 1"), steps[i].recognised) << i << run.out;
        EXPECT_EQ(says(run, "  文字認識 (OCR): stamped.pdf ページ 1\n"), steps[i].recognised && !steps[i].from_cache) << i << run.out;
    }
}

}  // namespace
}  // namespace zuvediv_test
