#include "pdf/poppler_warmup.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

#include "pdf/pdf_assembly.h"

namespace zuvediv {
namespace {

void to_standard_error(const std::string& message, void*) { std::fputs((message + "\n").c_str(), stderr); }

// A one-page PDF with a line of text in a standard font.
std::string tiny_pdf() {
    const std::string content = "BT /F1 12 Tf 10 30 Td (Az) Tj ET";
    const std::vector<std::string> objects = {
        "<</Type/Catalog/Pages 2 0 R>>",
        "<</Type/Pages/Kids[3 0 R]/Count 1>>",
        "<</Type/Page/Parent 2 0 R/MediaBox[0 0 72 72]/Resources<</Font<</F1 4 0 R>>>>/Contents 5 0 R>>",
        "<</Type/Font/Subtype/Type1/BaseFont/Helvetica>>",
        "<</Length " + std::to_string(content.size()) + ">>\nstream\n" + content + "\nendstream",
    };
    return assemble_pdf(objects);
}

}  // namespace

void send_poppler_messages_to_standard_error() {
    // One line each, where a worker counts them (standard_error_capture.h);
    // some, such as a failed decoder's allocation, are only told this way.
    poppler::set_debug_error_function(to_standard_error, nullptr);
}

struct WarmPoppler::KeptDocument {
    std::string pdf = tiny_pdf();  // poppler reads the document from here
    std::unique_ptr<poppler::document> document;
};

WarmPoppler::WarmPoppler(bool with_rendering) : kept_(std::make_unique<KeptDocument>()) {
    kept_->document.reset(
        poppler::document::load_from_raw_data(kept_->pdf.data(), static_cast<int>(kept_->pdf.size())));
    if (!kept_->document) return;
    std::unique_ptr<poppler::page> page(kept_->document->create_page(0));
    if (!page) return;
    page->text_list();
    if (with_rendering) {
        poppler::page_renderer renderer;
        renderer.set_image_format(poppler::image::format_rgb24);
        renderer.render_page(page.get(), 36, 36);
    }
}

WarmPoppler::~WarmPoppler() = default;

}  // namespace zuvediv
