#include "documents/poppler_warmup.h"

#include <memory>
#include <string>
#include <vector>

#include <poppler-document.h>
#include <poppler-global.h>
#include <poppler-page-renderer.h>
#include <poppler-page.h>

namespace zuvediv {
namespace {

void ignore_message(const std::string&, void*) {}

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
    std::string pdf = "%PDF-1.4\n";
    std::vector<size_t> offsets;
    for (size_t i = 0; i < objects.size(); ++i) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(i + 1) + " 0 obj\n" + objects[i] + "\nendobj\n";
    }
    const size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (size_t offset : offsets) {
        std::string number = std::to_string(offset);
        pdf += std::string(10 - number.size(), '0') + number + " 00000 n \n";
    }
    pdf += "trailer\n<</Size " + std::to_string(objects.size() + 1) + "/Root 1 0 R>>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
    return pdf;
}

}  // namespace

void silence_poppler_messages() {
    // Damaged files make poppler print a stream of warnings to stderr; the
    // tool reports per file instead.
    poppler::set_debug_error_function(ignore_message, nullptr);
}

void warm_up_poppler(bool with_rendering) {
    const std::string pdf = tiny_pdf();
    std::unique_ptr<poppler::document> doc(
        poppler::document::load_from_raw_data(pdf.data(), static_cast<int>(pdf.size())));
    if (!doc) return;
    std::unique_ptr<poppler::page> page(doc->create_page(0));
    if (!page) return;
    page->text_list();
    if (with_rendering) {
        poppler::page_renderer renderer;
        renderer.set_image_format(poppler::image::format_rgb24);
        renderer.render_page(page.get(), 36, 36);
    }
}

}  // namespace zuvediv
