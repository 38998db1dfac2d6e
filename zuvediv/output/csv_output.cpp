#include "output/csv_output.h"

#include <cstring>

namespace zuvediv {

std::string csv_text_cell(std::string_view text) {
    std::string cell;
    // Spreadsheets run a cell starting with one of these as a formula.
    if (!text.empty() && std::strchr("=+-@\t\r", text.front()) != nullptr) cell.push_back('\'');
    cell.append(text);
    return csv_quoted(cell);
}

std::string csv_quoted(std::string_view cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) return std::string(cell);
    std::string quoted = "\"";
    for (char c : cell) {
        if (c == '"') quoted.push_back('"');
        quoted.push_back(c);
    }
    quoted.push_back('"');
    return quoted;
}

std::string csv_header_line(const CsvColumns& columns) {
    std::string line;
    auto add = [&line](const char* name) {
        if (!line.empty()) line.push_back(',');
        line += name;
    };
    if (columns.folder) add("フォルダ");
    if (columns.file) add("ファイル");
    add("ページ");
    if (columns.phrase) add("検索文字列");
    add("該当箇所");
    return line + "\r\n";
}

std::string csv_row_line(const CsvColumns& columns, const CsvRow& row) {
    std::string line;
    auto add = [&line](const std::string& cell) {
        if (!line.empty()) line.push_back(',');
        line += cell;
    };
    if (columns.folder) add(csv_text_cell(row.folder));
    if (columns.file) add(csv_text_cell(row.file));
    add(std::to_string(row.page));
    // The search string is the user's own words, shown as typed.
    if (columns.phrase) add(csv_quoted(row.phrase));
    add(csv_text_cell(row.context));
    return line + "\r\n";
}

}  // namespace zuvediv
