#include "run/document_jobs.h"

#include <filesystem>

#include "cache/search_cache.h"
#include "run/worker_orders.h"
#include "workers/isolated_runner.h"

namespace zuvediv {

namespace fs = std::filesystem;

void search_documents(const RunSettings& settings, const SearchTerms& terms, const DocumentList& documents,
                      ResultReporter& reporter) {
    const RunPaths& paths = settings.paths;
    const bool images = settings.search.images.has_value();
    const std::vector<PdfFile>& files = documents.listing.files;
    SearchCache cache = SearchCache::for_run(!settings.use_cache);
    cache.look_up(files, terms.folding, terms.matcher, images, settings.search.recognise_scans);
    for (size_t index = 0; index < files.size(); ++index) {
        if (std::optional<DocumentResult> stored = cache.take_result(index)) reporter.accept(index, std::move(*stored));
    }
    const std::vector<size_t>& to_read = cache.to_read();
    WorkerJob job;
    job.setup = encode_setup(settings.search);
    job.order_for = [&](const WorkUnit& part) {
        const size_t index = to_read[part.document];
        const PdfFile& file = files[index];
        WorkOrder order;
        order.part = part;
        order.pdf_path = file.path;
        if (const std::vector<int>* pages = cache.only_pages(index)) order.only_pages = *pages;
        order.keep_text = cache.keeps_text(index);
        if (images) {
            order.image_folder = (fs::u8path(paths.image_folder) / fs::u8path(file.relative_folder)).u8string();
            order.image_stem = file.stem;
        }
        return encode_order(order);
    };
    job.factory = document_worker;
    const auto done = [&](size_t reading, DocumentResult result) {
        cache.read_done(to_read[reading], result);
        reporter.accept(to_read[reading], std::move(result));
    };
    RunnerEvents events;
    events.progress = [&](size_t reading, const PageProgress& page) { reporter.page_recognised(to_read[reading], page.page); };
    events.message = [&](size_t reading, std::string_view batch) { cache.keep_text(to_read[reading], batch); };
    events.idle = [&] { cache.store_kept_text_when_plenty(); };
    run_isolated(to_read.size(), settings.limits, job, done, events);
    std::error_code ec;
    cache.close(fs::is_directory(fs::u8path(paths.input), ec) ? paths.input : "");
    reporter.finish();
}

}  // namespace zuvediv
