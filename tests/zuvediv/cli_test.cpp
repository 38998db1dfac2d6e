// The built program run as the desktop program runs it: exit status,
// messages and the CSV byte for byte.
#include <gtest/gtest.h>

#include "pdf_fixtures.h"
#include "tool_process.h"

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

TEST(Cli, CsvByteForByteSameWithOneOrTwoWorkers) {
    const fs::path out = scratch_dir("cli-csv");
    for (const char* workers : {"1", "2"}) {
        const fs::path csv = out / (std::string("r") + workers + ".csv");
        const ToolRun run = run_tool_binary(
            {"-s", "-j", workers, "-p", kUserPassword, "-P", "-o", csv.string(), "invoice", fixtures().docs.string()});
        EXPECT_EQ(run.exit_code, 0) << run.out << run.err;
        EXPECT_EQ(read_file(csv), kBom + "ファイル,ページ,検索文字列,該当箇所\r\n" + kInvoiceRows) << workers;
    }
}

TEST(Cli, ColumnOptionsAndFolderColumn) {
    const fs::path csv = scratch_dir("cli-columns") / "r.csv";
    const std::string docs = fixtures().docs.string();
    struct Case {
        std::vector<std::string> options;
        std::string expected;
    };
    const Case cases[] = {
        {{}, "フォルダ,ファイル,ページ,検索文字列,該当箇所\r\n" + docs + "/sub/deeper,mixed.pdf,1,here,deeper invoice here\r\n"},
        {{"-H"}, docs + "/sub/deeper,mixed.pdf,1,here,deeper invoice here\r\n"},
        {{"-H", "-Q", "-R"}, docs + "/sub/deeper,1,deeper invoice here\r\n"},
        {{"-P", "-Q", "-R"}, "ページ,該当箇所\r\n1,deeper invoice here\r\n"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.options;
        for (const std::string& a : std::vector<std::string>{"-s", "-o", csv.string(), "here", docs}) args.push_back(a);
        const ToolRun run = run_tool_binary(args);
        EXPECT_EQ(run.exit_code, 0) << run.err;
        EXPECT_EQ(read_file(csv), kBom + c.expected);
    }
}

TEST(Cli, WithoutRecursionOnlyTheFoldersOwnFiles) {
    const ToolRun run = run_tool_binary({"-v", "-p", kUserPassword, "invoice", fixtures().docs.string()});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(contains(run.out, "[3/4]"));
    EXPECT_FALSE(contains(run.out, "secret.pdf"));
    EXPECT_TRUE(contains(run.out, "該当: 8 件"));
}

TEST(Cli, SearchStringStartingWithDash) {
    const fs::path csv = scratch_dir("cli-dash") / "r.csv";
    const ToolRun run = run_tool_binary({"-H", "-P", "-o", csv.string(), "-123", fixtures().mixed.string()});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(read_file(csv), kBom + "mixed.pdf,2,-123,ｶﾅ表記 ﬁle name 東京〜大阪 −123 𠮷野家 invoice Invoice\r\n");
}

TEST(Cli, ExactSearchNeedsExactText) {
    EXPECT_EQ(run_tool_binary({"-c", "-n", "ABC", fixtures().mixed.string()}).exit_code, 1);
    EXPECT_EQ(run_tool_binary({"ABC", fixtures().mixed.string()}).exit_code, 0);
    EXPECT_EQ(run_tool_binary({"-c", "-n", "Invoice", fixtures().mixed.string()}).exit_code, 0);
}

TEST(Cli, EncryptedDocuments) {
    struct Case {
        std::vector<std::string> password;
        int exit_code;
        std::string message;
    };
    const Case cases[] = {
        {{"-p", kUserPassword}, 0, "該当: 1 件"},
        {{"-p", kOwnerPassword}, 0, "該当: 1 件"},
        {{"-p", "wrong"}, 2, "secret.pdf: パスワードが違います"},
        {{}, 2, "secret.pdf: パスワードが必要です"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.password;
        args.push_back("invoice");
        args.push_back(fixtures().secret.string());
        const ToolRun run = run_tool_binary(args);
        EXPECT_EQ(run.exit_code, c.exit_code) << c.message;
        EXPECT_TRUE(contains(run.out, c.message)) << run.out;
    }
}

TEST(Cli, UnreadableFilesAreNamedAndTheSearchGoesOn) {
    const ToolRun run = run_tool_binary({"invoice", fixtures().docs.string()});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_TRUE(contains(run.out, "スキップしたファイル: 2 件"));
    EXPECT_TRUE(contains(run.out, "broken.pdf: PDF が壊れていて開けません"));
    EXPECT_TRUE(contains(run.out, "fake.PDF: PDF ファイルではありません"));
    const ToolRun only_broken = run_tool_binary({"invoice", fixtures().broken.string()});
    EXPECT_EQ(only_broken.exit_code, 2);
}

TEST(Cli, ExitStatusAndMessages) {
    struct Case {
        std::vector<std::string> args;
        int exit_code;
        std::string err;
    };
    const std::string mixed = fixtures().mixed.string();
    const Case cases[] = {
        {{"nothing-like-this", mixed}, 1, ""},
        {{"-q", "x", mixed}, 2, "不明なオプションです: -q"},
        {{"-a", "12", "x", mixed}, 2, "-a の値 \"12\""},
        {{"-C", "XYZ", "x", mixed}, 2, "-C の値 \"XYZ\""},
        {{"-m", "x", mixed}, 2, "-O で画像の出力先"},
        {{"x", "/no/such/folder"}, 2, "検索するパスが見つかりません: /no/such/folder"},
        {{"-o", "/no/such/folder/r.csv", "invoice", mixed}, 2, "CSV ファイルを作れません"},
    };
    for (const Case& c : cases) {
        const ToolRun run = run_tool_binary(c.args);
        EXPECT_EQ(run.exit_code, c.exit_code) << c.err;
        EXPECT_TRUE(contains(run.err, c.err)) << run.err;
        if (c.exit_code == 2 && c.args.size() < 4) {
            EXPECT_EQ(run.out, "");  // stopped before any file
        }
    }
}

TEST(Cli, UsageListsEveryOption) {
    const ToolRun run = run_tool_binary({"-h"});
    EXPECT_EQ(run.exit_code, 0);
    for (const char* option : {"-s", "-m", "-F", "-O", "-o", "-H", "-P", "-Q", "-R", "-v", "-p", "-a", "-w", "-C",
                               "-c", "-n", "-t", "-j", "-r", "-h"}) {
        EXPECT_TRUE(contains(run.out, std::string("  ") + option + " ")) << option;
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
