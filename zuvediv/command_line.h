#pragma once
// The options as the desktop program and command-line users pass them.
// The last two arguments are always the search string and the input path,
// so a search string may start with '-'.
#include <cstdint>
#include <string>
#include <vector>

#include "image_files.h"

namespace zuvediv {

struct Options {
    bool recursive = false;        // -s
    bool make_images = false;      // -m
    ImageFormat format = ImageFormat::png;  // -F
    std::string image_folder;      // -O
    std::string csv_file;          // -o
    bool no_header = false;        // -H
    bool no_folder_column = false; // -P
    bool no_file_column = false;   // -Q
    bool no_phrase_column = false; // -R
    bool verbose = false;          // -v
    std::string password;          // -p
    int opacity_tenths = 10;       // -a
    int line_width = 1;            // -w
    uint32_t colour = 0xFF0000;    // -C
    bool exact_case = false;       // -c
    bool no_normalise = false;     // -n
    int time_limit_seconds = 60;   // -t
    int workers = 0;               // -j, 0 = all cores
    int dpi = 150;                 // -r
    bool show_usage = false;       // -h
    std::string phrase;
    std::string input;
};

struct ParsedCommandLine {
    Options options;
    std::string error;  // Japanese, empty when the command line is usable
};

// args excludes the program name; all text is UTF-8.
ParsedCommandLine parse_command_line(const std::vector<std::string>& args);

}  // namespace zuvediv
