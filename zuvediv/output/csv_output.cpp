#include "output/csv_output.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

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

AtomicFile::~AtomicFile() { discard(); }

void AtomicFile::discard() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    std::remove(temporary_.c_str());
}

std::string AtomicFile::open(const std::string& path) {
    discard();
    path_ = path;
    temporary_ = path + ".tmp" + std::to_string(::getpid());
    write_failed_ = false;
    // Unnamed where the file system allows: a run killed half-way leaves nothing.
    const std::string folder = std::filesystem::u8path(path).parent_path().u8string();
    const int unnamed = ::open(folder.empty() ? "." : folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    unnamed_ = unnamed >= 0;
    file_ = unnamed_ ? ::fdopen(unnamed, "wb") : std::fopen(temporary_.c_str(), "wb");
    if (!file_) return std::strerror(errno);
    return "";
}

bool AtomicFile::name_temporary() {
    if (!unnamed_) return true;
    const std::string self = "/proc/self/fd/" + std::to_string(::fileno(file_));
    return ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary_.c_str(), AT_SYMLINK_FOLLOW) == 0;
}

bool AtomicFile::write(std::string_view bytes) {
    if (!file_ || write_failed_) return false;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) write_failed_ = true;
    return !write_failed_;
}

std::string AtomicFile::commit() {
    if (!file_) return "開かれていません";
    std::string error;
    if (write_failed_ || std::fflush(file_) != 0 || !name_temporary()) error = std::strerror(errno ? errno : EIO);
    if (std::fclose(file_) != 0 && error.empty()) error = std::strerror(errno);
    file_ = nullptr;
    if (error.empty()) {
        std::error_code ec;
        std::filesystem::rename(std::filesystem::u8path(temporary_), std::filesystem::u8path(path_), ec);
        if (ec) error = ec.message();
    }
    if (!error.empty()) std::remove(temporary_.c_str());
    return error;
}

}  // namespace zuvediv
