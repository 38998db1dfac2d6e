#include "ocr/ocr_engine.h"

#include <memory>
#include <stdexcept>

#include <leptonica/allheaders.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include "ocr/character_cuts.h"
#include "text/page_hits.h"

namespace zuvediv {
namespace {

using tesseract::PageIteratorLevel;

Box box_at(const tesseract::ResultIterator& it, PageIteratorLevel level) {
    int left = 0, top = 0, right = 0, bottom = 0;
    it.BoundingBox(level, &left, &top, &right, &bottom);
    return {double(left), double(top), double(right), double(bottom)};
}

std::u32string text_at(const tesseract::ResultIterator& it, PageIteratorLevel level) {
    const std::unique_ptr<char[]> text(it.GetUTF8Text(level));
    return text ? from_utf8(text.get()) : std::u32string();
}

RecognisedBlock block_at(const tesseract::ResultIterator& it) {
    tesseract::Orientation orientation;
    tesseract::WritingDirection direction = tesseract::WRITING_DIRECTION_LEFT_TO_RIGHT;
    tesseract::TextlineOrder order;
    float deskew = 0;
    it.Orientation(&orientation, &direction, &order, &deskew);
    RecognisedBlock block;
    block.box = box_at(it, tesseract::RIL_BLOCK);
    block.vertical = direction == tesseract::WRITING_DIRECTION_TOP_TO_BOTTOM;
    return block;
}

RecognisedLine line_at(const tesseract::ResultIterator& it) {
    RecognisedLine line;
    line.box = box_at(it, tesseract::RIL_TEXTLINE);
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (it.Baseline(tesseract::RIL_TEXTLINE, &x1, &y1, &x2, &y2) && x2 != x1) line.slope = double(y2 - y1) / (x2 - x1);
    return line;
}

Recognition collect(tesseract::ResultIterator& it) {
    Recognition reading;
    do {
        if (it.Empty(tesseract::RIL_SYMBOL)) continue;
        if (reading.blocks.empty() || it.IsAtBeginningOf(tesseract::RIL_BLOCK)) reading.blocks.push_back(block_at(it));
        std::vector<RecognisedLine>& lines = reading.blocks.back().lines;
        if (lines.empty() || it.IsAtBeginningOf(tesseract::RIL_TEXTLINE)) lines.push_back(line_at(it));
        std::vector<RecognisedWord>& words = lines.back().words;
        if (words.empty() || it.IsAtBeginningOf(tesseract::RIL_WORD))
            words.push_back({{}, box_at(it, tesseract::RIL_WORD), it.Confidence(tesseract::RIL_WORD)});
        words.back().symbols.push_back({text_at(it, tesseract::RIL_SYMBOL), box_at(it, tesseract::RIL_SYMBOL)});
    } while (it.Next(tesseract::RIL_SYMBOL));
    return reading;
}

// The recogniser's black and white image, rules and pictures taken out.
InkImage ink_of(tesseract::TessBaseAPI& engine) {
    Pix* pix = engine.GetThresholdedImage();
    InkImage ink;
    if (!pix) return ink;
    ink.width = static_cast<int>(pixGetWidth(pix));
    ink.height = static_cast<int>(pixGetHeight(pix));
    ink.ink.resize(static_cast<size_t>(ink.width) * ink.height);
    const l_uint32* data = pixGetData(pix);
    const int words_per_row = pixGetWpl(pix);
    for (int y = 0; y < ink.height; ++y) {
        const l_uint32* row = data + static_cast<size_t>(y) * words_per_row;
        for (int x = 0; x < ink.width; ++x) ink.ink[static_cast<size_t>(y) * ink.width + x] = GET_DATA_BIT(row, x);
    }
    pixDestroy(&pix);
    return ink;
}

void fit_horizontal_lines(Recognition& reading, const InkImage& ink) {
    if (ink.width == 0) return;
    for (RecognisedBlock& block : reading.blocks) {
        if (block.vertical) continue;  // its boxes stand across the lines
        for (RecognisedLine& line : block.lines) fit_to_ink(line, ink);
    }
}

}  // namespace

Recognition read_image(const GreyImage& image, int dpi, Model model, Layout layout,
                       const std::function<void()>& still_going) {
    tesseract::TessBaseAPI& engine = engine_for(model);
    still_going();  // loading the language data takes a while the first time
    tesseract::ETEXT_DESC monitor;
    monitor.cancel_this = const_cast<std::function<void()>*>(&still_going);
    monitor.cancel = [](void* told, int) {
        (*static_cast<const std::function<void()>*>(told))();
        return false;
    };
    engine.SetPageSegMode(layout == Layout::page ? tesseract::PSM_AUTO : tesseract::PSM_SINGLE_BLOCK);
    engine.SetImage(image.pixels.data(), image.width, image.height, 1, image.bytes_per_row);
    engine.SetSourceResolution(dpi);
    // A page the recogniser gives up on must not pass for a page without words.
    if (engine.Recognize(&monitor) != 0) {
        engine.Clear();
        throw std::runtime_error("ページを文字認識できません");
    }
    Recognition reading;
    if (const std::unique_ptr<tesseract::ResultIterator> it(engine.GetIterator()); it) reading = collect(*it);
    fit_horizontal_lines(reading, ink_of(engine));
    engine.Clear();
    return reading;
}

}  // namespace zuvediv
