#include "support/pdf_fixtures.h"

#include <fstream>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "pdf/pdf_assembly.h"
#include "pdf_writer.h"

namespace zuvediv_test {
namespace {

using pdf_writer::run_qpdf;
using pdf_writer::shell_quote;
using pdf_writer::write_pdf;

void build(const fs::path& docs) {
    fs::create_directories(docs / "sub" / "deeper");
    write_pdf(docs / "plain.pdf", {{{50, 50, "請求書番号 INVOICE-2026 の件"}, {50, 80, "来月分のご請求"},
                                    {50, 100, "書を同封します。"}, {50, 140, "Total, \"net\" amount: invoice total"}},
                                   {{50, 50, "ＡＢＣ株式会社 ｶﾀｶﾅ表記"}, {50, 80, "ﬁle name 東京〜大阪 −123"},
                                    {50, 110, "𠮷野家 invoice Invoice"}},
                                   {{50, 50, "回転ページ rotated invoice"}}});
    run_qpdf({"--rotate=+90:3", (docs / "plain.pdf").string(), (docs / "mixed.pdf").string()});
    write_pdf(docs / "formula.pdf", {{{50, 50, "=HYPERLINK(\"x\") invoice"}, {50, 80, "+cmd|invoice"}, {50, 110, "@SUM invoice"}}});
    write_pdf(docs / "secret-plain.pdf", {{{50, 50, "secret invoice"}}});
    run_qpdf({"--encrypt", kUserPassword, kOwnerPassword, "256", "--", (docs / "secret-plain.pdf").string(),
              (docs / "sub" / "secret.pdf").string()});
    for (const char* name : {"plain.pdf", "secret-plain.pdf"}) fs::remove(docs / name);
    write_pdf(docs / "sub" / "deeper" / "mixed.pdf", {{{50, 50, "deeper invoice here"}}});
    write_file(docs / "broken.pdf", "%PDF-1.7\n1 0 obj\n<< /Type /Catalog /Pages 9 0 R\nstream\n\x01\x02garbage");
    write_file(docs / "fake.PDF", "This is plain text, not a PDF. invoice\n");
    write_file(docs / "notes.txt", "invoice\n");
}

}  // namespace

ScratchDir::ScratchDir() {
    static int made = 0;
    path_ = fs::path(ZUVEDIV_TEST_WORK_DIR) / (std::to_string(::getpid()) + "-" + std::to_string(made++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

const Fixtures& fixtures() {
    static const ScratchDir root;
    static const Fixtures made = [] {
        const fs::path docs = root.path() / "docs";
        build(docs);
        return Fixtures{docs, docs / "mixed.pdf", docs / "sub" / "secret.pdf", docs / "sub" / "deeper" / "mixed.pdf"};
    }();
    return made;
}

std::string bytes_below(const fs::path& folder) {
    std::string bytes;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) bytes += ReadFileBytes(entry.path());
    return bytes;
}

void write_file(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

std::string pdf_stream(const std::string& entries, const std::string& data) {
    return "<<" + entries + "/Length " + std::to_string(data.size()) + ">>\nstream\n" + data + "\nendstream";
}

std::string one_page_pdf(const std::string& content_stream, const std::string& resources, const std::vector<std::string>& more) {
    std::vector<std::string> objects = {
        "<</Type/Catalog/Pages 2 0 R>>", "<</Type/Pages/Kids[3 0 R]/Count 1>>",
        "<</Type/Page/Parent 2 0 R/MediaBox[0 0 200 200]/Resources<<" + resources + ">>/Contents 4 0 R>>", content_stream};
    objects.insert(objects.end(), more.begin(), more.end());
    return zuvediv::assemble_pdf(objects);
}

ToolRun run_tool_binary(const std::vector<std::string>& args, const Env& env,
                        const std::string& binary) {
    const ScratchDir dir;
    // Each run starts from an empty cache of its own unless a test names one.
    std::string command = "env " + shell_quote("XDG_CACHE_HOME=" + (dir / "cache"));
    for (const auto& [name, value] : env) command += " " + shell_quote(name + "=" + value);
    command += " " + shell_quote(binary);
    for (const std::string& arg : args) command += " " + shell_quote(arg);
    const int status = std::system((command + " </dev/null >" + shell_quote(dir / "out") + " 2>" + shell_quote(dir / "err")).c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), ReadFileBytes(dir / "out"), ReadFileBytes(dir / "err")};
}

}  // namespace zuvediv_test
