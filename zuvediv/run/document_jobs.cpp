#include "run/document_jobs.h"

#include <filesystem>
#include <thread>

#include "cache/page_text_sender.h"
#include "cache/search_cache.h"
#include "documents/poppler_warmup.h"
#include "workers/isolated_runner.h"
#include "workers/memory_limit.h"

namespace zuvediv {
namespace {

namespace fs = std::filesystem;

std::optional<ImageRequest> image_request(const Options& o) {
    if (!o.make_images) return std::nullopt;
    ImageRequest request;
    request.format = o.format;
    request.dpi = o.dpi;
    request.style = FrameStyle{o.colour, o.opacity_tenths, o.line_width};
    return request;
}

RunnerLimits runner_limits(const Options& o) {
    RunnerLimits limits;
    limits.workers = o.workers > 0 ? o.workers : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    limits.time_limit = std::chrono::seconds(o.time_limit_seconds);
    limits.memory_cap = worker_memory_cap(limits.workers, physical_memory_bytes());
    limits.split = split_plan(limits.workers);
    return limits;
}

}  // namespace

void search_documents(const Options& o, const RunPaths& paths, const SearchTerms& terms, const DocumentList& documents,
                      ResultReporter& reporter) {
    const std::vector<PdfFile>& files = documents.listing.files;
    SearchCache cache = SearchCache::for_run(o.no_cache);
    cache.look_up(files, terms.folder, terms.matcher, o.make_images, !o.text_layer_only);
    for (size_t index = 0; index < files.size(); ++index) {
        if (std::optional<DocumentResult> stored = cache.take_result(index)) reporter.accept(index, std::move(*stored));
    }
    const std::vector<size_t>& to_read = cache.to_read();
    send_poppler_messages_to_standard_error();
    if (!to_read.empty()) warm_up_poppler(o.make_images);
    const std::optional<ImageRequest> image_base = image_request(o);
    const RunnerLimits limits = runner_limits(o);
    KeptPdf kept;  // each worker has its own copy
    auto work = [&](const WorkUnit& part) {
        const size_t index = to_read[part.document];
        const PdfFile& file = files[index];
        std::optional<ImageRequest> images = image_base;
        if (images) {
            images->folder = (fs::u8path(paths.image_folder) / fs::u8path(file.relative_folder)).u8string();
            images->stem = file.stem;
        }
        PageTextSender sender = cache.keeps_text(index) ? PageTextSender(send_to_coordinator) : PageTextSender();
        SearchRequest request{&terms.folder, &terms.matcher, o.password, images ? &*images : nullptr};
        request.only_pages = cache.only_pages(index);
        request.part = part;
        request.split = limits.split;
        request.kept = &kept;
        request.recognise_scans = !o.text_layer_only;
        if (sender.active())
            request.keep_page_text = [&](int page, const std::u32string& chars, PageSource source) { sender.add(page, chars, source); };
        request.progress = tell_progress;
        DocumentResult result = search_document(file.path, request);
        sender.finish();
        return result;
    };
    const auto done = [&](size_t job, DocumentResult result) {
        cache.read_done(to_read[job], result);
        reporter.accept(to_read[job], std::move(result));
    };
    RunnerEvents events;
    events.progress = [&](size_t job, const PageProgress& page) { reporter.page_recognised(to_read[job], page.page); };
    events.message = [&](size_t job, std::string_view batch) { cache.keep_text(to_read[job], batch); };
    events.idle = [&] { cache.store_kept_text(); };
    run_isolated(to_read.size(), limits, work, done, events);
    std::error_code ec;
    cache.close(fs::is_directory(fs::u8path(paths.input), ec) ? paths.input : "");
    reporter.finish();
}

}  // namespace zuvediv
