// Page images written by the program: names, sizes, and frames of the
// given colour, width and opacity around the hit.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

#include "image_reading.h"
#include "pdf_fixtures.h"
#include "tool_process.h"

namespace zuvediv_test {
namespace {

struct Region {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;  // inclusive
    bool empty() const { return x1 < 0; }
};

Region find(const DecodedImage& image, const std::function<bool(Pixel)>& wanted) {
    Region r;
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (!wanted(image.at(x, y))) continue;
            r.x0 = std::min(r.x0, x);
            r.y0 = std::min(r.y0, y);
            r.x1 = std::max(r.x1, x);
            r.y1 = std::max(r.y1, y);
        }
    }
    return r;
}

bool is_ink(Pixel p) { return p.r < 128 && p.g < 128 && p.b < 128; }

std::function<bool(Pixel)> exactly(Pixel c) {
    return [c](Pixel p) { return p.r == c.r && p.g == c.g && p.b == c.b; };
}

// A frame of the given width: solid edges, ink inside, nothing inside the
// edges but page and text.
void expect_frame(const DecodedImage& image, const Region& frame, Pixel colour, int width) {
    ASSERT_FALSE(frame.empty());
    const int mid_y = (frame.y0 + frame.y1) / 2;
    const int mid_x = (frame.x0 + frame.x1) / 2;
    for (int i = 0; i < width; ++i) {
        EXPECT_TRUE(exactly(colour)(image.at(frame.x0 + i, mid_y))) << "left edge " << i;
        EXPECT_TRUE(exactly(colour)(image.at(frame.x1 - i, mid_y))) << "right edge " << i;
        EXPECT_TRUE(exactly(colour)(image.at(mid_x, frame.y0 + i))) << "top edge " << i;
        EXPECT_TRUE(exactly(colour)(image.at(mid_x, frame.y1 - i))) << "bottom edge " << i;
    }
    EXPECT_FALSE(exactly(colour)(image.at(frame.x0 + width, mid_y)));
    const Region inside = [&] {
        Region r;
        for (int y = frame.y0 + width; y <= frame.y1 - width; ++y)
            for (int x = frame.x0 + width; x <= frame.x1 - width; ++x)
                if (is_ink(image.at(x, y))) r = {std::min(r.x0, x), std::min(r.y0, y), std::max(r.x1, x), std::max(r.y1, y)};
        return r;
    }();
    EXPECT_FALSE(inside.empty()) << "the hit's text should be inside the frame";
}

TEST(PageImages, NamesMirrorSubfoldersAndSizesFollowResolution) {
    const fs::path out = scratch_dir("images-names");
    const ToolRun run = run_tool_binary({"-s", "-m", "-O", out.string(), "-r", "72", "invoice", fixtures().docs.string()});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    for (const char* name : {"formula_1.png", "mixed_1.png", "mixed_2.png", "mixed_3.png", "sub/deeper/mixed_1.png"}) {
        EXPECT_TRUE(fs::exists(out / name)) << name;
    }
    EXPECT_FALSE(fs::exists(out / "sub" / "secret_1.png"));  // no password given
    const DecodedImage upright = read_png((out / "mixed_1.png").string());
    EXPECT_EQ(upright.width, 595);
    EXPECT_EQ(upright.height, 842);
    const DecodedImage turned = read_png((out / "mixed_3.png").string());
    EXPECT_EQ(turned.width, 842);
    EXPECT_EQ(turned.height, 595);
}

TEST(PageImages, FrameColourWidthAndOpacityInEachFormat) {
    struct Case {
        const char* format;
        const char* file;
        DecodedImage (*read)(const std::string&);
    };
    const Case cases[] = {{"png", "mixed_1.png", read_png}, {"tiff", "mixed_1.tif", read_tiff}};
    for (const Case& c : cases) {
        const fs::path out = scratch_dir(std::string("images-") + c.format);
        const ToolRun run = run_tool_binary({"-m", "-F", c.format, "-O", out.string(), "-C", "FF", "-a", "5", "-w", "4",
                                             "invoice", fixtures().deeper.string()});
        ASSERT_EQ(run.exit_code, 0) << run.err;
        const DecodedImage image = c.read((out / c.file).string());
        EXPECT_EQ(image.width, 1240);
        EXPECT_EQ(image.height, 1754);
        // Blue at half opacity over white paper.
        const Pixel half_blue{128, 128, 255};
        const Region frame = find(image, exactly(half_blue));
        expect_frame(image, frame, half_blue, 4);
        // "deeper invoice here" starts 50pt from the left and top: the
        // second word lies right of the first, on that line.
        EXPECT_GT(frame.x0, 104 + 60);
        EXPECT_LT(frame.x1, 104 + 400);
        EXPECT_NEAR(frame.y0, 104, 12);
        const Region before = find(image, is_ink);
        EXPECT_LT(before.x0, frame.x0) << "\"deeper\" stays outside the frame";
    }
}

TEST(PageImages, JpegFrameAndDefaultOpaqueRed) {
    const fs::path out = scratch_dir("images-jpeg");
    const ToolRun run = run_tool_binary({"-m", "-F", "jpeg", "-O", out.string(), "-w", "6", "invoice",
                                         fixtures().deeper.string()});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const DecodedImage image = read_jpeg((out / "mixed_1.jpg").string());
    EXPECT_EQ(image.width, 1240);
    const Region frame = find(image, [](Pixel p) { return p.r > 200 && p.g < 60 && p.b < 60; });
    ASSERT_FALSE(frame.empty());
    EXPECT_GT(frame.x0, 104 + 60);
    EXPECT_NEAR(frame.y0, 104, 14);
}

TEST(PageImages, FramesLandOnTheHitOfARotatedPage) {
    const fs::path out = scratch_dir("images-rotated");
    const ToolRun run = run_tool_binary({"-m", "-O", out.string(), "-w", "2", "rotated", fixtures().mixed.string()});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const DecodedImage image = read_png((out / "mixed_3.png").string());
    ASSERT_EQ(image.width, 1754);
    const Pixel red{255, 0, 0};
    const Region frame = find(image, exactly(red));
    expect_frame(image, frame, red, 2);
    // Turned a quarter clockwise, the line runs down the right-hand side.
    EXPECT_GT(frame.y1 - frame.y0, 3 * (frame.x1 - frame.x0));
    EXPECT_GT(frame.x0, image.width - 200);
}

}  // namespace
}  // namespace zuvediv_test
