#include "image_reading.h"

#include <cstdio>
#include <stdexcept>

#include <jpeglib.h>
#include <png.h>
#include <tiffio.h>

namespace zuvediv_test {

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

}  // namespace zuvediv_test
