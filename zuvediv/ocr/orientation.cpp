#include "ocr/orientation.h"

#include "ocr/engines.h"

namespace zuvediv {

int turns_to_upright(const GreyImage& image, int dpi) {
    tesseract::TessBaseAPI& engine = engine_for(Model::orientation);
    engine.SetImage(image.pixels.data(), image.width, image.height, 1, image.bytes_per_row);
    engine.SetSourceResolution(dpi);
    int degrees = 0;  // how far the text is turned, counter-clockwise
    float sureness = 0, script_sureness = 0;
    const char* script = nullptr;
    const bool told = engine.DetectOrientationScript(&degrees, &sureness, &script, &script_sureness);
    engine.Clear();
    return told ? (360 - degrees) % 360 / 90 : 0;
}

}  // namespace zuvediv
