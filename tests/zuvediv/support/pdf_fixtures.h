#pragma once
// Test PDFs drawn with the sample writer and encrypted with qpdf, built once
// and kept in the build tree, since every test case runs in a process of its
// own; and runs of the built tool the way the desktop program runs it.
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "pdf_writer.h"

namespace zuvediv_test {

namespace fs = std::filesystem;
using pdf_writer::run_qpdf;
using pdf_writer::write_pdf;

struct Fixtures {
    fs::path root;
    fs::path docs;       // folder tree for searches
    fs::path mixed;      // docs/mixed.pdf, 3 pages, page 3 rotated
    fs::path formula;    // docs/formula.pdf
    fs::path secret;     // docs/sub/secret.pdf, passwords below
    fs::path broken;     // docs/broken.pdf
    fs::path fake;       // docs/fake.PDF, not a PDF
    fs::path deeper;     // docs/sub/deeper/mixed.pdf, same name as the top one
};

constexpr const char* kUserPassword = "user-pw";
constexpr const char* kOwnerPassword = "owner-pw";

const Fixtures& fixtures();
fs::path scratch_dir(const std::string& name);  // fresh, empty

struct ToolRun {
    int exit_code = -1;
    std::string out;
    std::string err;
};

ToolRun run_tool_binary(const std::vector<std::string>& args,
                        const std::map<std::string, std::string>& environment = {});
std::string read_file(const fs::path& path);

}  // namespace zuvediv_test
