// Page images written by the program: names, sizes, and frames of the given
// colour, width and opacity around the hit, the same in every format.
#include <gtest/gtest.h>

#include <leptonica/allheaders.h>

#include <array>
#include <map>
#include <memory>

#include "support/pdf_fixtures.h"
#include "support/tool_builds.h"

namespace zuvediv_test {
namespace {

// PNG, JPEG or TIFF as 32-bit RGB, through the recogniser's image library; null if unreadable.
using Image = std::unique_ptr<PIX, void (*)(PIX*)>;
Image read_image(const std::string& path) {
    const auto destroy = [](PIX* pix) { pixDestroy(&pix); };
    const Image read(pixRead(path.c_str()), destroy);
    return Image(read ? pixConvertTo32(read.get()) : nullptr, destroy);
}
std::pair<int, int> size_of(const Image& image) { return {pixGetWidth(image.get()), pixGetHeight(image.get())}; }
uint32_t colour_at(const Image& image, int x, int y) {
    l_int32 r = 0, g = 0, b = 0;
    pixGetRGBPixel(image.get(), x, y, &r, &g, &b);
    return r << 16 | g << 8 | b;
}

// x0, y0, x1, y1 (inclusive) of the pixels of a colour, and the width of its left edge.
std::array<int, 5> frame_of(const Image& image, uint32_t colour) {
    std::array<int, 5> f{1 << 30, 1 << 30, -1, -1, 0};
    const auto [width, height] = size_of(image);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (colour_at(image, x, y) == colour) f = {std::min(f[0], x), std::min(f[1], y), std::max(f[2], x), std::max(f[3], y), 0};
    while (f[2] >= 0 && colour_at(image, f[0] + f[4], (f[1] + f[3]) / 2) == colour) ++f[4];
    return f;
}

// 72 dpi: one pixel per point. Blue at half opacity over white paper.
TEST(PageImages, NamesSizesAndFramesInEveryFormat) {
    const ScratchDir out;
    auto run = [&](const std::string& format, const fs::path& input) {
        return run_tool_binary({"-s", "-m", "-r", "72", "-C", "FF", "-a", "5", "-w", "4", "-F", format, "-O", out / format,
                                "invoice", input.string()}).exit_code;
    };
    ASSERT_EQ(run("png", fixtures().docs), 0);
    for (const char* name : {"formula_1.png", "mixed_1.png", "mixed_2.png", "mixed_3.png", "sub/deeper/mixed_1.png"})
        EXPECT_TRUE(fs::exists(out.path() / "png" / name)) << name;
    EXPECT_FALSE(fs::exists(out.path() / "png/sub/secret_1.png")) << "no password given";
    const Image turned = read_image(out / "png/mixed_3.png");
    ASSERT_EQ(size_of(turned).first, 842);
    const std::array<int, 5> on_turned = frame_of(turned, 0x8080FF);
    // Turned a quarter clockwise, the line runs down the right-hand side.
    EXPECT_TRUE(on_turned[3] - on_turned[1] > 2 * (on_turned[2] - on_turned[0]) && on_turned[0] > 842 - 100);
    // "deeper invoice here" starts 50pt from the left and top: "invoice" framed, "deeper" not.
    const Image png = read_image(out / "png/sub/deeper/mixed_1.png");
    ASSERT_EQ(size_of(png), std::make_pair(595, 842));
    const std::array<int, 5> frame = frame_of(png, 0x8080FF);
    EXPECT_EQ(frame[4], 4);
    EXPECT_TRUE(frame[0] > 50 + 30 && frame[2] < 50 + 200 && std::abs(frame[1] - 50) < 7) << frame[0] << " " << frame[1];
    for (const std::string format : {"tiff", "jpeg"}) {
        ASSERT_EQ(run(format, fixtures().deeper), 0) << format;
        const Image image = read_image(out / format + "/mixed_1." + (format[0] == 't' ? "tif" : "jpg"));
        ASSERT_EQ(size_of(image), size_of(png)) << format;
        l_int32 same = 0;
        l_float32 difference = 0, rms = 0;  // mean per channel: none for TIFF, little for JPEG
        ASSERT_EQ(pixCompareRGB(png.get(), image.get(), L_COMPARE_ABS_DIFF, GPLOT_NONE, &same, &difference, &rms, nullptr), 0);
        EXPECT_LE(difference, format[0] == 't' ? 0 : 1.5) << format << ": the same page as the PNG";
    }
}

// Every file below a folder, by its path there.
std::map<std::string, std::string> files_below(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = ReadFileBytes(entry.path());
    return files;
}

TEST(PageImages, TheWindowsBuildDrawsTheLinuxBuildsImagesByteForByte) {
    const std::optional<ToolBuild> windows = ToolBuild::windows();
    if (!windows) GTEST_SKIP() << "the Windows build was not made";
    const ScratchDir out;
    for (const std::string format : {"png", "jpeg", "tiff"}) {
        std::map<std::string, std::string> drawn[2];
        for (const bool on_windows : {false, true}) {
            const fs::path folder = out / (format + (on_windows ? "-windows" : "-linux"));
            const ToolBuild build = on_windows ? *windows : ToolBuild();
            const std::vector<std::string> args = {"-N", "-s", "-m", "-r", "72", "-F", format, "-O", folder.string(),
                                                   "invoice", fixtures().docs.string()};
            ASSERT_EQ(build.run(args).exit_code, 0) << format << (on_windows ? " on Windows" : " on Linux");
            drawn[on_windows] = files_below(folder);
        }
        EXPECT_GE(drawn[0].size(), 5u) << format;
        EXPECT_TRUE(drawn[0] == drawn[1]) << format << ": " << drawn[0].size() << " and " << drawn[1].size() << " files";
    }
}

}  // namespace
}  // namespace zuvediv_test
