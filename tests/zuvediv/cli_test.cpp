// The built program run as the desktop program runs it: the CSV byte for
// byte, exit status and messages, and where the list goes.
#include <gtest/gtest.h>

#include "support/pdf_fixtures.h"
#include "support/tool_builds.h"

namespace zuvediv_test {
namespace {

const std::string kBom = "\xEF\xBB\xBF", kHeader = "フォルダ,ファイル,ページ,検索文字列,該当箇所\r\n";

class Cli : public BothBuilds {};
RUN_ON_BOTH_BUILDS(Cli);

// Two workers, yet file order; formulas defused, quotes doubled, hits across lines.
TEST_P(Cli, CsvInFileOrderWhateverTheWorkers) {
    const ScratchDir dir;
    const ToolRun run = build().run({"-s", "-j", "2", "-p", kUserPassword, "-P", "-o", dir / "r.csv", "invoice",
                                         fixtures().docs.string()});
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(dir / "r.csv"),
              kBom + "ファイル,ページ,検索文字列,該当箇所\r\n"
                     "formula.pdf,1,invoice,\"'=HYPERLINK(\"\"x\"\") invoice +cmd|invoice @SUM i\"\r\n"
                     "formula.pdf,1,invoice,\"K(\"\"x\"\") invoice +cmd|invoice @SUM invoice\"\r\n"
                     "formula.pdf,1,invoice,e +cmd|invoice @SUM invoice\r\n"
                     "mixed.pdf,1,invoice,請求書番号 INVOICE-2026 の件 来月分のご請求 書を同\r\n"
                     "mixed.pdf,1,invoice,\"otal, \"\"net\"\" amount: invoice total\"\r\n"
                     "mixed.pdf,2,invoice,name 東京〜大阪 −123 𠮷野家 invoice Invoice\r\n"
                     "mixed.pdf,2,invoice,大阪 −123 𠮷野家 invoice Invoice\r\n"
                     "mixed.pdf,3,invoice,回転ページ rotated invoice\r\n"
                     "mixed.pdf,1,invoice,deeper invoice here\r\n"
                     "secret.pdf,1,invoice,secret invoice\r\n");
}

// The Linux build under Wine: Windows paths in, the folder column as the caller wrote it,
// and a relative list name in the -O folder, or without one beside the file.
TEST(LinuxBuildUnderWine, WindowsPathsAndWhereARelativeListNameGoes) {
    const ScratchDir prefix;
    fs::create_directories(prefix.path() / "dosdevices");
    fs::create_symlink("/", prefix.path() / "dosdevices" / "z:");
    const Env wine = {{"WINEPREFIX", prefix.path().string()}};
    const std::string docs = windows_path(fixtures().docs.string());
    const ToolRun run = run_tool_binary({"-s", "-O", windows_path(prefix / "out"), "-o", "r.csv", "here", docs}, wine);
    EXPECT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(ReadFileBytes(prefix / "out/r.csv"), kBom + kHeader + docs + "\\sub\\deeper,mixed.pdf,1,here,deeper invoice here\r\n");
    fs::copy_file(fixtures().deeper, prefix / "one.pdf");
    EXPECT_EQ(run_tool_binary({"-H", "-o", "a.csv", "here", windows_path(prefix / "one.pdf")}, wine).exit_code, 0);
    EXPECT_EQ(ReadFileBytes(prefix / "a.csv"), kBom + windows_path(prefix.path().string()) + ",one.pdf,1,here,deeper invoice here\r\n");
}

// Exit status (0 found, 1 nothing found, 2 error) and what is said where.
TEST_P(Cli, ExitStatusAndMessages) {
    // Parts of each; err "" means none, else nothing on stdout.
    struct Case { std::vector<std::string> args; int exit_code; std::string out, err; };
    const ScratchDir empty;
    const std::string docs = fixtures().docs.string(), mixed = fixtures().mixed.string(),
                      secret = fixtures().secret.string();
    const Case cases[] = {
        {{"nothing-like-this", mixed}, 1, "該当: 0 件", ""},
        {{"-c", "-n", "ABC", mixed}, 1, "該当: 0 件", ""},  // only the full-width form is there
        {{"-p", kOwnerPassword, "invoice", secret}, 0, "該当: 1 件", ""},
        {{"-v", "invoice", secret}, 2, "[1/1] " + fixtures().secret.filename().string() + " スキップ: パスワードが必要です (-p で指定してください) (累計 0 件)\n", ""},
        {{"-v", "-s", "invoice", docs}, 0, "検索するフォルダー: " + build().shown(docs) + "\n[1/6] ", ""},
        {{"-v", "invoice", docs}, 0, "[4/4] mixed.pdf 該当 5 件 (累計 8 件)\n検索したファイル: 2 / 4 件、ページ: 4、該当: 8 件", ""},
        {{"invoice", docs}, 0, "スキップしたファイル: 2 件\n  broken.pdf: PDF が壊れていて開けません\n  "
                                  "fake.PDF: PDF ファイルではありません\n", ""},
        {{"x", empty.path().string()}, 1, "PDF ファイルが見つかりませんでした: " + build().shown(empty.path().string()) + "\n検索したファイル: 0 / 0", ""},
        {{"-a", "12", "x", mixed}, 2, "", "Zuvediv: エラー: オプション -a の値 \"12\""},
        {{"x", "/no/such/folder"}, 2, "", "検索するパスが見つかりません: " + build().shown("/no/such/folder")},
        {{"-o", "/no/such/folder/r.csv", "invoice", mixed}, 2, "", "CSV ファイルを作れません"},
        {{"-h"}, 0, "  -p パスワード 暗号化された PDF", ""},
    };
    for (const Case& c : cases) {
        const ToolRun run = build().run(c.args);
        EXPECT_EQ(run.exit_code, c.exit_code) << c.args[0] << " " << run.out << run.err;
        EXPECT_NE(run.out.find(c.out), std::string::npos) << c.out << ": " << run.out;
        EXPECT_TRUE(c.err.empty() ? run.err.empty() : run.out.empty() && run.err.find(c.err) != std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace zuvediv_test
