#include "run/document_jobs.h"

#include <filesystem>
#include <thread>

#include "cache/search_cache.h"
#include "run/worker_orders.h"
#include "workers/isolated_runner.h"
#include "workers/memory_limit.h"

namespace zuvediv {
namespace {

namespace fs = std::filesystem;

WorkerSetup worker_setup(const Options& o, const SplitPlan& split) {
    WorkerSetup setup;
    setup.phrase = o.phrase;
    setup.exact_case = o.exact_case;
    setup.no_normalise = o.no_normalise;
    setup.password = o.password;
    setup.recognise_scans = !o.text_layer_only;
    if (o.make_images) {
        ImageRequest request;
        request.format = o.format;
        request.dpi = o.dpi;
        request.style = FrameStyle{o.colour, o.opacity_tenths, o.line_width};
        setup.images = request;
    }
    setup.split = split;
    return setup;
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
    const RunnerLimits limits = runner_limits(o);
    WorkerJob job;
    job.setup = encode_setup(worker_setup(o, limits.split));
    job.order_for = [&](const WorkUnit& part) {
        const size_t index = to_read[part.document];
        const PdfFile& file = files[index];
        WorkOrder order;
        order.part = part;
        order.pdf_path = file.path;
        if (const std::vector<int>* pages = cache.only_pages(index)) order.only_pages = *pages;
        order.keep_text = cache.keeps_text(index);
        if (o.make_images) {
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
    events.idle = [&] { cache.store_kept_text(); };
    run_isolated(to_read.size(), limits, job, done, events);
    std::error_code ec;
    cache.close(fs::is_directory(fs::u8path(paths.input), ec) ? paths.input : "");
    reporter.finish();
}

}  // namespace zuvediv
