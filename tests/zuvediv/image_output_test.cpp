// Page images written by the program: names, sizes, and frames of the given
// colour, width and opacity around the hit, the same in every format.
#include <gtest/gtest.h>

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

#include <array>
#include <cstdio>
#include <memory>

#include "support/pdf_fixtures.h"

namespace zuvediv_test {
namespace {

struct Image {
    int width = 0, height = 0;
    std::vector<uint8_t> rgb;
    uint32_t at(int x, int y) const {
        const uint8_t* p = &rgb.at((static_cast<size_t>(y) * width + x) * 3);
        return p[0] << 16 | p[1] << 8 | p[2];
    }
};

Image read_png(const std::string& path) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    Image out;
    if (!png_image_begin_read_from_file(&png, path.c_str())) return out;
    png.format = PNG_FORMAT_RGB;
    out.rgb.resize(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, out.rgb.data(), 0, nullptr)) out.width = png.width, out.height = png.height;
    return out;
}

Image read_tiff(const std::string& path) {
    Image out;
    TIFF* tiff = TIFFOpen(path.c_str(), "r");
    uint32_t width = 0, height = 0;
    if (!tiff || !TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width) || !TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height)) return out;
    std::vector<uint32_t> raster(static_cast<size_t>(width) * height);
    if (TIFFReadRGBAImageOriented(tiff, width, height, raster.data(), ORIENTATION_TOPLEFT, 0)) out.width = width, out.height = height;
    for (uint32_t p : raster) out.rgb.insert(out.rgb.end(), {uint8_t(TIFFGetR(p)), uint8_t(TIFFGetG(p)), uint8_t(TIFFGetB(p))});
    TIFFClose(tiff);
    return out;
}

Image read_jpeg(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_stdio_src(&cinfo, file.get());
    jpeg_read_header(&cinfo, TRUE);
    jpeg_start_decompress(&cinfo);
    Image out{static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height), {}};
    out.rgb.resize(static_cast<size_t>(out.width) * out.height * 3);
    for (JSAMPROW row = out.rgb.data(); cinfo.output_scanline < cinfo.output_height; row += out.width * 3)
        jpeg_read_scanlines(&cinfo, &row, 1);
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return out;
}

// x0, y0, x1, y1 (inclusive) of the pixels of a colour, and the width of its left edge.
std::array<int, 5> frame_of(const Image& image, uint32_t colour) {
    std::array<int, 5> f{1 << 30, 1 << 30, -1, -1, 0};
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.at(x, y) == colour) f = {std::min(f[0], x), std::min(f[1], y), std::max(f[2], x), std::max(f[3], y), 0};
    while (f[2] >= 0 && image.at(f[0] + f[4], (f[1] + f[3]) / 2) == colour) ++f[4];
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
    const Image turned = read_png(out / "png/mixed_3.png");
    const std::array<int, 5> on_turned = frame_of(turned, 0x8080FF);
    ASSERT_EQ(turned.width, 842);
    // Turned a quarter clockwise, the line runs down the right-hand side.
    EXPECT_TRUE(on_turned[3] - on_turned[1] > 2 * (on_turned[2] - on_turned[0]) && on_turned[0] > 842 - 100);
    // "deeper invoice here" starts 50pt from the left and top: "invoice" framed, "deeper" not.
    const Image png = read_png(out / "png/sub/deeper/mixed_1.png");
    ASSERT_EQ(std::make_pair(png.width, png.height), std::make_pair(595, 842));
    const std::array<int, 5> frame = frame_of(png, 0x8080FF);
    EXPECT_EQ(frame[4], 4);
    EXPECT_TRUE(frame[0] > 50 + 30 && frame[2] < 50 + 200 && std::abs(frame[1] - 50) < 7) << frame[0] << " " << frame[1];
    const std::pair<const char*, Image (*)(const std::string&)> others[] = {{"tiff", read_tiff}, {"jpeg", read_jpeg}};
    for (const auto& [format, read] : others) {
        ASSERT_EQ(run(format, fixtures().deeper), 0) << format;
        const Image image = read(out / format + "/mixed_1." + (format[0] == 't' ? "tif" : "jpg"));
        ASSERT_EQ(image.rgb.size(), png.rgb.size()) << format;
        double difference = 0;  // mean per channel: none for TIFF, little for JPEG
        for (size_t i = 0; i < png.rgb.size(); ++i) difference += std::abs(image.rgb[i] - png.rgb[i]);
        EXPECT_LE(difference / png.rgb.size(), format[0] == 't' ? 0 : 1.5) << format << ": the same page as the PNG";
    }
}

}  // namespace
}  // namespace zuvediv_test
