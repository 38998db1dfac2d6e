// On a recognised page a hit is framed on its own characters, as on a text
// page: the frame around 請求書番号 is five characters long, not the
// recogniser's whole word 請求書番号は控え, on horizontal and vertical pages.
#include <gtest/gtest.h>

#include <leptonica/allheaders.h>

#include <memory>

#include "support/pdf_fixtures.h"
#include "support/scan_pages.h"

namespace zuvediv_test {
namespace {

constexpr int kImageDpi = 150;
constexpr int kFrameMargin = 2;  // the gap inside a frame and its one-pixel line, each side

// The frames of one colour on a page image: their outer boxes, in the
// image library's own connected pieces.
std::vector<std::array<int, 4>> frames_in(const std::string& png, uint32_t colour) {
    PIX* read = pixRead(png.c_str());
    if (!read) return {};
    PIX* rgb = pixConvertTo32(read);
    PIX* mask = pixCreate(pixGetWidth(rgb), pixGetHeight(rgb), 1);
    for (int y = 0; y < static_cast<int>(pixGetHeight(rgb)); ++y) {
        for (int x = 0; x < static_cast<int>(pixGetWidth(rgb)); ++x) {
            l_int32 r = 0, g = 0, b = 0;
            pixGetRGBPixel(rgb, x, y, &r, &g, &b);
            if (static_cast<uint32_t>(r << 16 | g << 8 | b) == colour) pixSetPixel(mask, x, y, 1);
        }
    }
    BOXA* boxes = pixConnCompBB(mask, 8);
    std::vector<std::array<int, 4>> frames;
    for (int i = 0; i < boxaGetCount(boxes); ++i) {
        l_int32 x = 0, y = 0, w = 0, h = 0;
        boxaGetBoxGeometry(boxes, i, &x, &y, &w, &h);
        frames.push_back({x, y, w, h});
    }
    boxaDestroy(&boxes);
    for (PIX* pix : {read, rgb, mask}) pixDestroy(&pix);
    return frames;
}

TEST(ScanFrames, AHitIsFramedOnItsOwnCharacters) {
    const ScratchDir dir;
    write_scan_pdf(dir / "scan.pdf", {ScanPage{{"請求書番号は控えてください", "請求書番号は"}, 0, false, {}},
                                      ScanPage{{"請求書番号は控え", "請求書番号は"}, 0, true, {}}});
    const ToolRun run = run_tool_binary({"-N", "-m", "-r", std::to_string(kImageDpi), "-O", dir / "images", "請求書番号", dir / "scan.pdf"});
    ASSERT_EQ(run.exit_code, 0) << run.out << run.err;
    const double five_characters = 5 * kScanPointsPerEm * kImageDpi / 72;
    const char* const pages[] = {"horizontal", "vertical"};
    for (int page = 1; page <= 2; ++page) {
        const std::vector<std::array<int, 4>> frames = frames_in(dir / ("images/scan_" + std::to_string(page) + ".png"), 0xFF0000);
        EXPECT_EQ(frames.size(), 2u) << pages[page - 1];
        for (const std::array<int, 4>& frame : frames) {
            const int along = (page == 1 ? frame[2] : frame[3]) - 2 * kFrameMargin;
            EXPECT_NEAR(along, five_characters, five_characters / 10) << pages[page - 1];
        }
    }
}

}  // namespace
}  // namespace zuvediv_test
