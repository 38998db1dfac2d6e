#pragma once
// What one run of the tool is asked to do. Which option sets which field is
// owned by option_table.cpp.
#include <cstdint>
#include <string>

#include "common/search_contract.h"

namespace zuvediv {

using search_contract::ImageFormat;

struct Options {
    bool recursive = false;
    bool make_images = false;
    ImageFormat format = search_contract::kImageFormatDefault;
    std::string image_folder;
    std::string csv_file;
    bool no_header = false;
    bool no_folder_column = false;
    bool no_file_column = false;
    bool no_phrase_column = false;
    bool verbose = false;
    std::string password;
    int opacity_tenths = search_contract::kOpacityDefault;
    int line_width = search_contract::kFrameWidthDefault;
    uint32_t colour = search_contract::kFrameColourDefault;
    bool exact_case = false;
    bool no_normalise = false;
    int time_limit_seconds = 60;
    int workers = 0;  // 0: all cores
    int dpi = 150;
    bool no_cache = false;
    bool text_layer_only = false;
    bool show_usage = false;
    std::string phrase;
    std::string input;
};

}  // namespace zuvediv
