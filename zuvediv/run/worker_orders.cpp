#include "run/worker_orders.h"

#include <memory>
#include <stdexcept>

#include "cache/page_text_sender.h"
#include "pdf/poppler_warmup.h"
#include "text/page_hits.h"
#include "workers/wire_codec.h"

namespace zuvediv {
namespace {

void put_bool(std::string& out, bool v) { put_u32(out, v ? 1 : 0); }
void put_int(std::string& out, int v) { put_u32(out, static_cast<uint32_t>(v)); }

bool get_format(WireReader& in, ImageFormat& format) {
    uint32_t value = 0;
    if (!in.get(value) || value > static_cast<uint32_t>(ImageFormat::tiff)) return false;
    format = static_cast<ImageFormat>(value);
    return true;
}

// The searching state a worker keeps from one order to the next.
struct DocumentWorker {
    explicit DocumentWorker(WorkerSetup s) : setup(std::move(s)), terms(setup) {}

    DocumentResult search(const WorkOrder& order) {
        std::optional<ImageRequest> images = setup.images;
        if (images) {
            images->folder = order.image_folder;
            images->stem = order.image_stem;
        }
        PageTextSender sender = order.keep_text ? PageTextSender(send_to_coordinator) : PageTextSender();
        DocumentSearchRequest request{&terms.folding, &terms.matcher, setup.password, images ? &*images : nullptr};
        request.only_pages = order.only_pages ? &*order.only_pages : nullptr;
        request.part = order.part;
        request.split = setup.split;
        request.kept = &kept;
        request.recognise_scans = setup.recognise_scans;
        if (sender.active())
            request.keep_page_text = [&](int page, const std::u32string& chars, PageSource source) { sender.add(page, chars, source); };
        request.progress = tell_progress;
        DocumentResult result = search_document(order.pdf_path, request);
        sender.finish();
        return result;
    }

    const WorkerSetup setup;
    const SearchTerms terms;
    KeptPdf kept;  // a split document stays open for its next part
};

}  // namespace

SearchTerms::SearchTerms(const WorkerSetup& setup)
    : folding(!setup.exact_case, !setup.no_normalise), matcher(folding.fold_plain(from_utf8(setup.phrase))) {}

std::string encode_setup(const WorkerSetup& setup) {
    std::string out;
    put_string(out, setup.phrase);
    put_bool(out, setup.exact_case);
    put_bool(out, setup.no_normalise);
    put_string(out, setup.password);
    put_bool(out, setup.recognise_scans);
    put_bool(out, setup.images.has_value());
    if (setup.images) {
        put_u32(out, static_cast<uint32_t>(setup.images->format));
        put_int(out, setup.images->dpi);
        put_u32(out, setup.images->style.colour);
        put_int(out, setup.images->style.opacity_tenths);
        put_int(out, setup.images->style.line_width);
    }
    put_int(out, setup.split.split_above);
    put_int(out, setup.split.part_pages);
    return out;
}

std::optional<WorkerSetup> decode_setup(const std::string& bytes) {
    WireReader in(bytes);
    WorkerSetup setup;
    bool images = false;
    if (!in.get(setup.phrase) || !in.get(setup.exact_case) || !in.get(setup.no_normalise) || !in.get(setup.password) ||
        !in.get(setup.recognise_scans) || !in.get(images))
        return std::nullopt;
    if (images) {
        ImageRequest request;
        if (!get_format(in, request.format) || !in.get(request.dpi) || !in.get(request.style.colour) ||
            !in.get(request.style.opacity_tenths) || !in.get(request.style.line_width))
            return std::nullopt;
        setup.images = request;
    }
    if (!in.get(setup.split.split_above) || !in.get(setup.split.part_pages) || !in.at_end()) return std::nullopt;
    return setup;
}

std::string encode_order(const WorkOrder& order) {
    std::string out;
    put_u32(out, static_cast<uint32_t>(order.part.document));
    put_int(out, order.part.first_page);
    put_int(out, order.part.end_page);
    put_string(out, order.pdf_path);
    put_bool(out, order.only_pages.has_value());
    if (order.only_pages) {
        put_u32(out, static_cast<uint32_t>(order.only_pages->size()));
        for (int page : *order.only_pages) put_int(out, page);
    }
    put_bool(out, order.keep_text);
    put_string(out, order.image_folder);
    put_string(out, order.image_stem);
    return out;
}

std::optional<WorkOrder> decode_order(const std::string& bytes) {
    WireReader in(bytes);
    WorkOrder order;
    uint32_t document = 0;
    bool some_pages = false;
    if (!in.get(document) || !in.get(order.part.first_page) || !in.get(order.part.end_page) || !in.get(order.pdf_path) ||
        !in.get(some_pages))
        return std::nullopt;
    order.part.document = document;
    if (some_pages) {
        uint32_t count = 0;
        if (!in.get(count) || count > bytes.size() / 4) return std::nullopt;
        order.only_pages.emplace(count);
        for (int& page : *order.only_pages)
            if (!in.get(page)) return std::nullopt;
    }
    if (!in.get(order.keep_text) || !in.get(order.image_folder) || !in.get(order.image_stem) || !in.at_end())
        return std::nullopt;
    return order;
}

DocumentWork document_worker(const std::string& setup_bytes) {
    std::optional<WorkerSetup> setup = decode_setup(setup_bytes);
    if (!setup) throw std::runtime_error("作業の設定が壊れています");
    send_poppler_messages_to_standard_error();
    auto poppler = std::make_shared<WarmPoppler>(setup->images.has_value());
    auto worker = std::make_shared<DocumentWorker>(std::move(*setup));
    return [poppler, worker](const std::string& order_bytes) {
        const std::optional<WorkOrder> order = decode_order(order_bytes);
        if (!order) return unread(DocumentStatus::internal_error, "指示が壊れています");
        return worker->search(*order);
    };
}

}  // namespace zuvediv
