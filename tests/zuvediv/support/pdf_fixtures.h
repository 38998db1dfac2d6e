#pragma once
// Test PDFs drawn with the sample writer and encrypted with qpdf, made once
// per test process in a folder removed at its end; temporary folders that
// remove themselves; runs of the (sanitized) tool as the desktop program runs it.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "support/read_file.h"

namespace zuvediv_test {

namespace fs = std::filesystem;

// A fresh, empty folder, removed with everything in it when it goes.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir() { fs::remove_all(path_); }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    const fs::path& path() const { return path_; }
    std::string operator/(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

// docs/mixed.pdf       3 pages, the third turned a quarter clockwise
// docs/formula.pdf     cells a spreadsheet would run as formulas
// docs/broken.pdf      a header and garbage; docs/fake.PDF plain text
// docs/sub/secret.pdf  encrypted with the passwords below
// docs/sub/deeper/mixed.pdf  "deeper invoice here", same name as the top one
struct Fixtures {
    fs::path docs, mixed, secret, deeper;
};
constexpr const char* kUserPassword = "user-pw";
constexpr const char* kOwnerPassword = "owner-pw";
const Fixtures& fixtures();

struct ToolRun {
    int exit_code = -1;
    std::string out, err;
};
// Environment variables by name.
using Env = std::map<std::string, std::string>;
ToolRun run_tool_binary(const std::vector<std::string>& args, const Env& env = {},
                        const std::string& binary = ZUVEDIV_BINARY);
// Every byte of the files below a folder (a cache: its database and journals).
std::string bytes_below(const fs::path& folder);
void write_file(const fs::path& path, const std::string& bytes);

// PDFs put together object by object: a stream object of the dictionary's
// entries and the data; one 200 × 200 point page whose content stream is
// object 4, with its resources and any objects from 5 on.
std::string pdf_stream(const std::string& entries, const std::string& data);
std::string one_page_pdf(const std::string& content_stream, const std::string& resources,
                         const std::vector<std::string>& more = {});
constexpr const char* kHelveticaAsF1 = "/Font<</F1<</Type/Font/Subtype/Type1/BaseFont/Helvetica>>>>";

}  // namespace zuvediv_test
