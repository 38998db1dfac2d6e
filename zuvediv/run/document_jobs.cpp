#include "run/document_jobs.h"

#include <filesystem>
#include <thread>

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
    return limits;
}

}  // namespace

void search_documents(const Options& o, const RunPaths& paths, const SearchTerms& terms, const DocumentList& documents,
                      ResultReporter& reporter) {
    silence_poppler_messages();
    warm_up_poppler(o.make_images);
    const std::optional<ImageRequest> image_base = image_request(o);
    const std::vector<PdfFile>& files = documents.listing.files;
    auto work = [&](size_t index) {
        const PdfFile& file = files[index];
        std::optional<ImageRequest> images = image_base;
        if (images) {
            images->folder = (fs::u8path(paths.image_folder) / fs::u8path(file.relative_folder)).u8string();
            images->stem = file.stem;
        }
        const SearchRequest request{&terms.folder, &terms.matcher, o.password, images ? &*images : nullptr};
        return search_document(file.path, request);
    };
    run_isolated(files.size(), runner_limits(o), work,
                 [&](size_t index, DocumentResult result) { reporter.accept(index, std::move(result)); });
    reporter.finish();
}

}  // namespace zuvediv
