// Page images written by the program: names, sizes, and frames of the
// given colour, width and opacity around the hit.
#include <gtest/gtest.h>

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>

#include "support/pdf_fixtures.h"

namespace zuvediv_test {
namespace {

// Page images read back with the same libraries the tool writes them with.
struct Pixel {
    uint8_t r, g, b;
};

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;
    Pixel at(int x, int y) const {
        const size_t i = (static_cast<size_t>(y) * width + x) * 3;
        return {rgb[i], rgb[i + 1], rgb[i + 2]};
    }
};

DecodedImage read_png(const std::string& path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) throw std::runtime_error("not a PNG: " + path);
    image.format = PNG_FORMAT_RGB;
    DecodedImage out;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.rgb.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, out.rgb.data(), 0, nullptr)) throw std::runtime_error("bad PNG");
    return out;
}

DecodedImage read_jpeg(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw std::runtime_error("cannot open " + path);
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_start_decompress(&cinfo);
    DecodedImage out;
    out.width = static_cast<int>(cinfo.output_width);
    out.height = static_cast<int>(cinfo.output_height);
    out.rgb.resize(static_cast<size_t>(out.width) * out.height * 3);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.rgb.data() + static_cast<size_t>(cinfo.output_scanline) * out.width * 3;
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    return out;
}

DecodedImage read_tiff(const std::string& path) {
    TIFF* tiff = TIFFOpen(path.c_str(), "r");
    if (!tiff) throw std::runtime_error("not a TIFF: " + path);
    uint32_t width = 0, height = 0;
    TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
    std::vector<uint32_t> raster(static_cast<size_t>(width) * height);
    const bool ok = TIFFReadRGBAImageOriented(tiff, width, height, raster.data(), ORIENTATION_TOPLEFT, 0) != 0;
    TIFFClose(tiff);
    if (!ok) throw std::runtime_error("bad TIFF");
    DecodedImage out;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.rgb.reserve(raster.size() * 3);
    for (uint32_t p : raster) {
        out.rgb.push_back(static_cast<uint8_t>(TIFFGetR(p)));
        out.rgb.push_back(static_cast<uint8_t>(TIFFGetG(p)));
        out.rgb.push_back(static_cast<uint8_t>(TIFFGetB(p)));
    }
    return out;
}


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
    bool ink_inside = false;
    for (int y = frame.y0 + width; y <= frame.y1 - width; ++y)
        for (int x = frame.x0 + width; x <= frame.x1 - width; ++x) ink_inside = ink_inside || is_ink(image.at(x, y));
    EXPECT_TRUE(ink_inside) << "the hit's text should be inside the frame";
}

TEST(PageImages, NamesMirrorSubfoldersAndSizesFollowResolution) {
    const fs::path out = scratch_dir("images-names");
    const ToolRun run = run_tool_binary({"-s", "-m", "-O", out.string(), "-r", "72", "invoice", fixtures().docs.string()});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    for (const char* name : {"formula_1.png", "mixed_1.png", "mixed_2.png", "mixed_3.png", "sub/deeper/mixed_1.png"}) {
        EXPECT_TRUE(fs::exists(out / name)) << name;
    }
    EXPECT_FALSE(fs::exists(out / "sub" / "secret_1.png"));  // no password given
    const DecodedImage upright = read_png((out / "mixed_1.png").string()), turned = read_png((out / "mixed_3.png").string());
    EXPECT_EQ(std::make_pair(upright.width, upright.height), std::make_pair(595, 842));
    EXPECT_EQ(std::make_pair(turned.width, turned.height), std::make_pair(842, 595));
}

TEST(PageImages, FrameColourWidthAndOpacityInEachFormat) {
    struct Case {
        const char* format;
        const char* file;
        DecodedImage (*read)(const std::string&);
        std::vector<std::string> frame;  // options
        std::function<bool(Pixel)> colour;
        int width;  // of the frame; 0: lossy, so its edges are not checked pixel by pixel
    };
    const Pixel half_blue{128, 128, 255};  // blue at half opacity over white paper
    const Case cases[] = {
        {"png", "mixed_1.png", read_png, {"-C", "FF", "-a", "5", "-w", "4"}, exactly(half_blue), 4},
        {"tiff", "mixed_1.tif", read_tiff, {"-C", "FF", "-a", "5", "-w", "4"}, exactly(half_blue), 4},
        // By default opaque red.
        {"jpeg", "mixed_1.jpg", read_jpeg, {"-w", "6"}, [](Pixel p) { return p.r > 200 && p.g < 60 && p.b < 60; }, 0},
    };
    for (const Case& c : cases) {
        const fs::path out = scratch_dir(std::string("images-") + c.format);
        std::vector<std::string> args{"-m", "-F", c.format, "-O", out.string(), "invoice", fixtures().deeper.string()};
        args.insert(args.begin(), c.frame.begin(), c.frame.end());
        const ToolRun run = run_tool_binary(args);
        ASSERT_EQ(run.exit_code, 0) << run.err;
        const DecodedImage image = c.read((out / c.file).string());
        EXPECT_EQ(std::make_pair(image.width, image.height), std::make_pair(1240, 1754));
        const Region frame = find(image, c.colour);
        ASSERT_FALSE(frame.empty()) << c.format;
        if (c.width) expect_frame(image, frame, half_blue, c.width);
        // "deeper invoice here" starts 50pt from the left and top: the
        // second word lies right of the first, on that line.
        EXPECT_GT(frame.x0, 104 + 60);
        EXPECT_LT(frame.x1, 104 + 400);
        EXPECT_NEAR(frame.y0, 104, 14);
        EXPECT_LT(find(image, is_ink).x0, frame.x0) << "\"deeper\" stays outside the frame";
    }
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
