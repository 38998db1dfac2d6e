// The built program run as the desktop program runs it: exit status,
// messages and the CSV byte for byte.
#include <gtest/gtest.h>

#include "support/pdf_fixtures.h"

namespace zuvediv_test {
namespace {

const std::string kBom = "\xEF\xBB\xBF";

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Rows of a search for "invoice" in the whole tree, without the folder column.
const std::string kInvoiceRows =
    "formula.pdf,1,invoice,\"'=HYPERLINK(\"\"x\"\") invoice +cmd|invoice @SUM i\"\r\n"
    "formula.pdf,1,invoice,\"K(\"\"x\"\") invoice +cmd|invoice @SUM invoice\"\r\n"
    "formula.pdf,1,invoice,e +cmd|invoice @SUM invoice\r\n"
    "mixed.pdf,1,invoice,請求書番号 INVOICE-2026 の件 来月分のご請求 書を同\r\n"
    "mixed.pdf,1,invoice,\"otal, \"\"net\"\" amount: invoice total\"\r\n"
    "mixed.pdf,2,invoice,name 東京〜大阪 −123 𠮷野家 invoice Invoice\r\n"
    "mixed.pdf,2,invoice,大阪 −123 𠮷野家 invoice Invoice\r\n"
    "mixed.pdf,3,invoice,回転ページ rotated invoice\r\n"
    "mixed.pdf,1,invoice,deeper invoice here\r\n"
    "secret.pdf,1,invoice,secret invoice\r\n";

// The whole file, with the search string and input last; -s and -o added.
TEST(Cli, CsvByteForByteByColumnOptionsAndWorkers) {
    const fs::path csv = scratch_dir("cli-csv") / "r.csv";
    const std::string docs = fixtures().docs.string(), deeper = docs + "/sub/deeper";
    const std::string all = "フォルダ,ファイル,ページ,検索文字列,該当箇所\r\n", no_folder = "ファイル,ページ,検索文字列,該当箇所\r\n";
    const std::vector<std::string> cases[][2] = {
        {{"-j", "1", "-p", kUserPassword, "-P", "invoice", docs}, {no_folder + kInvoiceRows}},
        {{"-j", "2", "-p", kUserPassword, "-P", "invoice", docs}, {no_folder + kInvoiceRows}},
        {{"here", docs}, {all + deeper + ",mixed.pdf,1,here,deeper invoice here\r\n"}},
        {{"-H", "-Q", "-R", "here", docs}, {deeper + ",1,deeper invoice here\r\n"}},
        {{"-P", "-Q", "-R", "here", docs}, {"ページ,該当箇所\r\n1,deeper invoice here\r\n"}},
        {{"-H", "-P", "-123", fixtures().mixed.string()},
         {"mixed.pdf,2,-123,ｶﾅ表記 ﬁle name 東京〜大阪 −123 𠮷野家 invoice Invoice\r\n"}},
    };
    for (const auto& [options, expected] : cases) {
        std::vector<std::string> args{"-s", "-o", csv.string()};
        args.insert(args.end(), options.begin(), options.end());
        const ToolRun run = run_tool_binary(args);
        EXPECT_EQ(run.exit_code, 0) << run.out << run.err;
        EXPECT_EQ(read_file(csv), kBom + expected[0]) << options[0] << " " << options[1];
    }
}

// Exit status (0 found, 1 nothing found, 2 error) and the messages on stdout or stderr.
TEST(Cli, ExitStatusAndMessages) {
    struct Case {
        std::vector<std::string> args;
        int exit_code;
        std::string ToolRun::*stream;
        std::vector<std::string> messages;
    };
    const auto out = &ToolRun::out, err = &ToolRun::err;
    const std::string docs = fixtures().docs.string(), mixed = fixtures().mixed.string(),
                      secret = fixtures().secret.string();
    const Case cases[] = {
        {{"nothing-like-this", mixed}, 1, out, {}},
        {{"-c", "-n", "ABC", mixed}, 1, out, {}},  // only the full-width form is there
        {{"ABC", mixed}, 0, out, {}},
        {{"-c", "-n", "Invoice", mixed}, 0, out, {}},
        {{"-v", "-p", kUserPassword, "invoice", docs}, 0, out, {"[3/4]", "該当: 8 件"}},  // the folder's own files
        {{"-p", kUserPassword, "invoice", secret}, 0, out, {"該当: 1 件"}},
        {{"-p", kOwnerPassword, "invoice", secret}, 0, out, {"該当: 1 件"}},
        {{"-p", "wrong", "invoice", secret}, 2, out, {"secret.pdf: パスワードが違います"}},
        {{"invoice", secret}, 2, out, {"secret.pdf: パスワードが必要です"}},
        {{"invoice", docs},
         0,
         out,
         {"スキップしたファイル: 2 件", "broken.pdf: PDF が壊れていて開けません", "fake.PDF: PDF ファイルではありません"}},
        {{"invoice", fixtures().broken.string()}, 2, out, {"broken.pdf: PDF が壊れていて開けません"}},
        {{"-a", "12", "x", mixed}, 2, err, {"-a の値 \"12\""}},
        {{"x", "/no/such/folder"}, 2, err, {"検索するパスが見つかりません: /no/such/folder"}},
        {{"-o", "/no/such/folder/r.csv", "invoice", mixed}, 2, err, {"CSV ファイルを作れません"}},
        {{"-h"}, 0, out, {"  -s ", "  -m ", "  -F ", "  -O ", "  -o ", "  -H ", "  -P ", "  -Q ", "  -R ", "  -v ",
                          "  -p ", "  -a ", "  -w ", "  -C ", "  -c ", "  -n ", "  -t ", "  -j ", "  -r ", "  -h "}},
    };
    for (const Case& c : cases) {
        const ToolRun run = run_tool_binary(c.args);
        const std::string& shown = run.*c.stream;
        EXPECT_EQ(run.exit_code, c.exit_code) << c.args[0] << " " << run.out << run.err;
        for (const std::string& message : c.messages) EXPECT_TRUE(contains(shown, message)) << message << ": " << shown;
        if (c.stream == err) { EXPECT_EQ(run.out, "") << "stopped before any file"; }
    }
}

TEST(Cli, RelativeCsvNameGoesIntoImageFolderOrSearchedFolder) {
    const fs::path dir = scratch_dir("cli-relative");
    fs::copy_file(fixtures().mixed, dir / "mixed.pdf");
    EXPECT_EQ(run_tool_binary({"-o", "a.csv", "invoice", (dir / "mixed.pdf").string()}).exit_code, 0);
    EXPECT_TRUE(fs::exists(dir / "a.csv"));
    EXPECT_EQ(run_tool_binary({"-O", (dir / "out").string(), "-m", "-o", "b.csv", "invoice", dir.string()}).exit_code, 0);
    EXPECT_TRUE(fs::exists(dir / "out" / "b.csv"));
    EXPECT_TRUE(fs::exists(dir / "out" / "mixed_3.png"));
}

TEST(Cli, WindowsPathsUnderWine) {
    const fs::path prefix = scratch_dir("cli-wine");
    fs::create_directories(prefix / "dosdevices");
    fs::create_symlink("/", prefix / "dosdevices" / "z:");
    std::string windows_docs = "Z:" + fixtures().docs.string();
    for (char& c : windows_docs) {
        if (c == '/') c = '\\';
    }
    const std::string windows_out = "Z:" + (prefix / "out").string();
    const ToolRun run = run_tool_binary({"-s", "-O", windows_out, "-o", "r.csv", "here", windows_docs},
                                        {{"WINEPREFIX", prefix.string()}});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(read_file(prefix / "out" / "r.csv"),
              kBom + "フォルダ,ファイル,ページ,検索文字列,該当箇所\r\n" + windows_docs +
                  "\\sub\\deeper,mixed.pdf,1,here,deeper invoice here\r\n");
}

}  // namespace
}  // namespace zuvediv_test
