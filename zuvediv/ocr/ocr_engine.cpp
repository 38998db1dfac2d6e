#include "ocr/ocr_engine.h"

#include <memory>
#include <stdexcept>

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include "ocr/recogniser_threads.h"
#include "platform/library_data.h"
#include "text/page_hits.h"

namespace zuvediv {
namespace {

using tesseract::PageIteratorLevel;

std::unique_ptr<tesseract::TessBaseAPI> make_engine() {
    keep_recogniser_to_one_thread();
    auto engine = std::make_unique<tesseract::TessBaseAPI>();
    const std::string languages = tessdata_folder();
    if (engine->Init(languages.empty() ? nullptr : languages.c_str(), "jpn+eng", tesseract::OEM_LSTM_ONLY) != 0)
        throw std::runtime_error("文字認識の言語データ (jpn, eng) を読み込めません");
    engine->SetVariable("debug_file", "/dev/null");
    engine->SetPageSegMode(tesseract::PSM_AUTO);
    return engine;
}

tesseract::TessBaseAPI& process_engine() {
    static std::unique_ptr<tesseract::TessBaseAPI> engine;
    if (!engine) engine = make_engine();
    return *engine;
}

Box box_at(const tesseract::ResultIterator& it, PageIteratorLevel level) {
    int left = 0, top = 0, right = 0, bottom = 0;
    it.BoundingBox(level, &left, &top, &right, &bottom);
    return {double(left), double(top), double(right), double(bottom)};
}

std::u32string text_at(const tesseract::ResultIterator& it, PageIteratorLevel level) {
    const std::unique_ptr<char[]> text(it.GetUTF8Text(level));
    return text ? from_utf8(text.get()) : std::u32string();
}

std::vector<RecognisedWord> collect_words(tesseract::ResultIterator& it) {
    std::vector<RecognisedWord> words;
    do {
        if (it.Empty(tesseract::RIL_SYMBOL)) continue;
        if (words.empty() || it.IsAtBeginningOf(tesseract::RIL_WORD)) words.push_back({{}, box_at(it, tesseract::RIL_WORD)});
        words.back().symbols.push_back({text_at(it, tesseract::RIL_SYMBOL), box_at(it, tesseract::RIL_SYMBOL)});
    } while (it.Next(tesseract::RIL_SYMBOL));
    return words;
}

}  // namespace

std::vector<RecognisedWord> recognise(const GreyImage& image, int dpi, const std::function<void()>& still_going) {
    tesseract::TessBaseAPI& engine = process_engine();
    still_going();  // loading the language data takes a while the first time
    tesseract::ETEXT_DESC monitor;
    monitor.cancel_this = const_cast<std::function<void()>*>(&still_going);
    monitor.cancel = [](void* told, int) {
        (*static_cast<const std::function<void()>*>(told))();
        return false;
    };
    engine.SetImage(image.pixels.data(), image.width, image.height, 1, image.bytes_per_row);
    engine.SetSourceResolution(dpi);
    // A page the recogniser gives up on must not pass for a page without words.
    if (engine.Recognize(&monitor) != 0) {
        engine.Clear();
        throw std::runtime_error("ページを文字認識できません");
    }
    std::vector<RecognisedWord> words;
    const std::unique_ptr<tesseract::ResultIterator> it(engine.GetIterator());
    if (it) words = collect_words(*it);
    engine.Clear();
    return words;
}

}  // namespace zuvediv
