#include "support/pdf_fixtures.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include <sys/wait.h>
#include <unistd.h>

namespace zuvediv_test {
namespace {

// Bump when the documents below change, so stale copies are rebuilt.
constexpr const char* kFixtureVersion = "fixtures-v1";

void write_file(const fs::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

void build(const fs::path& root) {
    const fs::path docs = root / "docs";
    fs::create_directories(docs / "sub" / "deeper");
    write_pdf(docs / "plain.pdf",
              {
                  {{50, 50, "請求書番号 INVOICE-2026 の件"},
                   {50, 80, "来月分のご請求"},
                   {50, 100, "書を同封します。"},
                   {50, 140, "Total, \"net\" amount: invoice total"}},
                  {{50, 50, "ＡＢＣ株式会社 ｶﾀｶﾅ表記"},
                   {50, 80, "ﬁle name 東京〜大阪 −123"},
                   {50, 110, "𠮷野家 invoice Invoice"}},
                  {{50, 50, "回転ページ rotated invoice"}},
              });
    run_qpdf({"--rotate=+90:3", (docs / "plain.pdf").string(), (docs / "mixed.pdf").string()});
    fs::remove(docs / "plain.pdf");
    write_pdf(docs / "formula.pdf", {{{50, 50, "=HYPERLINK(\"x\") invoice"}, {50, 80, "+cmd|invoice"}, {50, 110, "@SUM invoice"}}});
    write_pdf(docs / "sub" / "plain.pdf", {{{50, 50, "secret invoice"}}});
    run_qpdf({"--encrypt", kUserPassword, kOwnerPassword, "256", "--", (docs / "sub" / "plain.pdf").string(),
              (docs / "sub" / "secret.pdf").string()});
    fs::remove(docs / "sub" / "plain.pdf");
    write_pdf(docs / "sub" / "deeper" / "mixed.pdf", {{{50, 50, "deeper invoice here"}}});
    write_file(docs / "broken.pdf", "%PDF-1.7\n1 0 obj\n<< /Type /Catalog /Pages 9 0 R\nstream\n\x01\x02garbage");
    write_file(docs / "fake.PDF", "This is plain text, not a PDF. invoice\n");
    write_file(docs / "notes.txt", "invoice\n");
}

}  // namespace

fs::path scratch_dir(const std::string& name) {
    const fs::path dir = fs::path(ZUVEDIV_TEST_WORK_DIR) / "scratch" / (name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

const Fixtures& fixtures() {
    static const Fixtures built = [] {
        Fixtures f;
        f.root = fs::path(ZUVEDIV_TEST_WORK_DIR) / kFixtureVersion;
        if (!fs::exists(f.root / "done")) {
            const fs::path temp = fs::path(ZUVEDIV_TEST_WORK_DIR) / (std::string("building-") + std::to_string(::getpid()));
            fs::remove_all(temp);
            build(temp);
            write_file(temp / "done", "");
            std::error_code ec;
            fs::rename(temp, f.root, ec);  // another process may have won
            fs::remove_all(temp, ec);
        }
        f.docs = f.root / "docs";
        f.mixed = f.docs / "mixed.pdf";
        f.formula = f.docs / "formula.pdf";
        f.secret = f.docs / "sub" / "secret.pdf";
        f.broken = f.docs / "broken.pdf";
        f.fake = f.docs / "fake.PDF";
        f.deeper = f.docs / "sub" / "deeper" / "mixed.pdf";
        return f;
    }();
    return built;
}

std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

ToolRun run_tool_binary(const std::vector<std::string>& args, const std::map<std::string, std::string>& environment) {
    const fs::path dir = scratch_dir("run");
    const fs::path out = dir / "stdout";
    const fs::path err = dir / "stderr";
    const pid_t pid = fork();
    if (pid < 0) throw std::runtime_error("fork failed");
    if (pid == 0) {
        for (const auto& [name, value] : environment) setenv(name.c_str(), value.c_str(), 1);
        if (!freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr)) _exit(127);
        std::vector<char*> argv;
        argv.push_back(const_cast<char*>(ZUVEDIV_BINARY));
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(ZUVEDIV_BINARY, argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ToolRun run;
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = read_file(out);
    run.err = read_file(err);
    fs::remove_all(dir);
    return run;
}

}  // namespace zuvediv_test
