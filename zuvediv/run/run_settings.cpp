#include "run/run_settings.h"

#include <algorithm>
#include <thread>

#include "command_line/given_path.h"
#include "workers/memory_limit.h"

namespace zuvediv {
namespace {

StepError map_paths(const Options& o, RunPaths& paths) {
    const std::pair<const std::string*, std::string*> pairs[] = {
        {&o.input, &paths.input}, {&o.image_folder, &paths.image_folder}, {&o.csv_file, &paths.csv_file}};
    for (const auto& [given, mapped] : pairs) {
        if (given->empty()) continue;
        MappedPath m = openable_path(*given);
        if (!m.error.empty()) return m.error;
        *mapped = m.path;
    }
    return std::nullopt;
}

RunnerLimits runner_limits(const Options& o) {
    RunnerLimits limits;
    limits.workers = o.workers > 0 ? o.workers : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    limits.time_limit = std::chrono::seconds(o.time_limit_seconds);
    limits.memory_cap = worker_memory_cap(limits.workers, physical_memory_bytes());
    limits.split = split_plan(limits.workers);
    return limits;
}

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

}  // namespace

StepError derive_settings(const Options& o, RunSettings& settings) {
    if (StepError error = map_paths(o, settings.paths)) return error;
    settings.input_as_given = o.input;
    settings.image_folder_as_given = o.image_folder;
    settings.recursive = o.recursive;
    settings.verbose = o.verbose;
    settings.use_cache = !o.no_cache;
    settings.csv_columns = {!o.no_header, !o.no_folder_column, !o.no_file_column, !o.no_phrase_column};
    settings.limits = runner_limits(o);
    settings.search = worker_setup(o, settings.limits.split);
    return std::nullopt;
}

}  // namespace zuvediv
