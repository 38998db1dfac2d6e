#include "documents/document_search.h"

#include <algorithm>
#include <filesystem>
#include <memory>

#include <poppler-page.h>

#include "text/page_hits.h"
#include "pdf/page_render.h"
#include "pdf/pdf_open.h"
#include "output/output_file.h"

namespace zuvediv {
namespace {

RgbImage render(const poppler::page& page, int dpi) {
    DrawnPage drawn = draw_page(page, dpi, poppler::image::format_rgb24);
    return {drawn.width, drawn.height, std::move(drawn.pixels)};
}

std::string save_page_image(const poppler::page& page, int page_number, const std::vector<Box>& hit_boxes,
                            const ImageRequest& request) {
    RgbImage image = render(page, request.dpi);
    if (image.width == 0) return "ページ " + std::to_string(page_number) + " を画像にできません";
    // Text boxes are in points of the page as shown, rotation included, the
    // same frame the renderer draws in: only the scale differs.
    const double scale = request.dpi / 72.0;
    std::vector<Box> boxes;
    for (const Box& b : hit_boxes) boxes.push_back({b.x0 * scale, b.y0 * scale, b.x1 * scale, b.y1 * scale});
    draw_frames(image, boxes, request.style);
    make_folders(request.folder);  // a failure shows when the image is written
    const std::string path = (std::filesystem::u8path(request.folder) /
                              std::filesystem::u8path(image_file_name(request.stem, page_number, request.format)))
                                 .u8string();
    const std::string error = write_image(image, request.format, path, request.dpi);
    return error.empty() ? "" : path + ": " + error;
}

}  // namespace

std::string image_file_name(const std::string& stem, int page, ImageFormat format) {
    return stem + "_" + std::to_string(page) + "." + file_extension(format);
}

DocumentResult unread(DocumentStatus status, std::string detail) {
    DocumentResult result;
    result.status = status;
    result.detail = std::move(detail);
    return result;
}

std::string unread_reason(const DocumentResult& result) { return unread_reason(result.status, result.detail); }

DocumentResult search_document(const std::string& pdf_path, const DocumentSearchRequest& request) {
    DocumentResult result;
    KeptPdf own;
    KeptPdf& kept = request.kept ? *request.kept : own;
    const OpenedPdf& pdf = kept.open(pdf_path, request.password);
    if (!pdf.document) return unread(status_of(pdf.failure), pdf.detail);
    result.pages = pdf.document->pages();
    const WorkUnit& part = request.part;
    const int end = part.is_first_part() ? request.split.first_part_end(result.pages) : std::min(part.end_page, result.pages);
    if (part.is_first_part() && end < result.pages) result.rest_from = end;
    // The text of an encrypted document must never reach the disk.
    const bool keep_text = request.keep_page_text && !pdf.document->is_encrypted();
    for (int index = part.first_page; index < end; ++index) {
        if (request.only_pages && !std::binary_search(request.only_pages->begin(), request.only_pages->end(), index + 1)) continue;
        std::unique_ptr<poppler::page> page(pdf.document->create_page(index));
        if (!page) continue;
        const PageReading reading = read_page(*page, request.recognise_scans, [&] {
            if (request.progress) request.progress({index, false});
        });
        if (read_by_recogniser(reading.source)) ++result.recognised_pages;
        if (keep_text) request.keep_page_text(index, reading.text.chars, reading.source);
        if (request.progress) request.progress({index, read_by_recogniser(reading.source)});
        const std::vector<MatchSpan> hits = find_hit_ranges(reading.text.chars, *request.folding, *request.matcher);
        if (hits.empty()) continue;
        add_listed_hits(result.hits, index, reading.text.chars, hits);
        if (request.images) {
            std::string error = save_page_image(*page, index + 1, hit_frame_boxes(reading.text, hits), *request.images);
            if (!error.empty()) result.image_errors.push_back(std::move(error));
        }
    }
    if (part.is_first_part() && result.rest_from == 0) kept.release();  // read whole: no part follows
    return result;
}

}  // namespace zuvediv
