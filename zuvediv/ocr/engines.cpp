#include "ocr/engines.h"

#include <memory>
#include <stdexcept>
#include <string>

#include "ocr/recogniser_threads.h"
#include "platform/library_data.h"

namespace zuvediv {
namespace {

struct ModelData {
    const char* languages;
    tesseract::OcrEngineMode mode;
};

ModelData data_of(Model model) {
    switch (model) {
        case Model::vertical: return {"jpn_vert", tesseract::OEM_LSTM_ONLY};
        case Model::orientation: return {"osd", tesseract::OEM_TESSERACT_ONLY};  // a model of the older engine
        case Model::horizontal: break;
    }
    return {"jpn+eng", tesseract::OEM_LSTM_ONLY};
}

std::unique_ptr<tesseract::TessBaseAPI> load(Model model) {
    keep_recogniser_to_one_thread();
    const ModelData data = data_of(model);
    auto engine = std::make_unique<tesseract::TessBaseAPI>();
    const std::string folder = tessdata_folder();
    if (engine->Init(folder.empty() ? nullptr : folder.c_str(), data.languages, data.mode) != 0)
        throw std::runtime_error(std::string("文字認識の言語データ (") + data.languages + ") を読み込めません");
    engine->SetVariable("debug_file", "/dev/null");
    return engine;
}

}  // namespace

tesseract::TessBaseAPI& engine_for(Model model) {
    static std::unique_ptr<tesseract::TessBaseAPI> engines[3];
    std::unique_ptr<tesseract::TessBaseAPI>& engine = engines[static_cast<int>(model)];
    if (!engine) engine = load(model);
    return *engine;
}

}  // namespace zuvediv
