#pragma once
// What a run is asked to do, derived once from the parsed options: the
// paths as the tool opens them, what the list holds, how a worker searches
// (and what images it makes), how many workers read for how long, and
// whether the page-text cache is used. Nothing after this reads Options.
#include <optional>
#include <string>

#include "command_line/options.h"
#include "output/csv_output.h"
#include "run/worker_orders.h"
#include "workers/isolated_runner.h"

namespace zuvediv {

using StepError = std::optional<std::string>;

// The input, -O and -o as the tool opens them.
struct RunPaths {
    std::string input;
    std::string image_folder;
    std::string csv_file;
};

struct RunSettings {
    std::string input_as_given;  // as the caller wrote it: the list and the console show it so
    std::string image_folder_as_given;
    RunPaths paths;
    bool recursive = false;
    bool verbose = false;
    bool use_cache = true;
    CsvColumns csv_columns;
    WorkerSetup search;  // what to find and how; the images, if asked for
    RunnerLimits limits;
};

// Maps the paths the options name; a Japanese error when one cannot be.
StepError derive_settings(const Options& o, RunSettings& settings);

}  // namespace zuvediv
