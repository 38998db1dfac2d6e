#pragma once
// The result list as Excel opens it directly: UTF-8 with a byte-order mark,
// CRLF line ends, RFC 4180 quoting, and text cells that could be taken for
// a formula defused with a leading apostrophe.
#include <string>
#include <string_view>

namespace zuvediv {

struct CsvColumns {
    bool header = true;
    bool folder = true;
    bool file = true;
    bool phrase = true;
};

struct CsvRow {
    std::string folder;
    std::string file;
    int page = 0;
    std::string phrase;
    std::string context;
};

// A cell of text from a PDF or the file system: defused and quoted.
std::string csv_text_cell(std::string_view text);
// RFC 4180 quoting only.
std::string csv_quoted(std::string_view cell);
std::string csv_header_line(const CsvColumns& columns);
std::string csv_row_line(const CsvColumns& columns, const CsvRow& row);

}  // namespace zuvediv
