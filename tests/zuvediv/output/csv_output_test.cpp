#include <gtest/gtest.h>

#include <fstream>

#include "output/csv_output.h"
#include "support/pdf_fixtures.h"

namespace zuvediv {
namespace {

namespace fs = std::filesystem;

struct CellCase {
    const char* name;
    std::string text;
    std::string cell;
};

class CellTable : public ::testing::TestWithParam<CellCase> {};

TEST_P(CellTable, DefusesAndQuotes) { EXPECT_EQ(csv_text_cell(GetParam().text), GetParam().cell); }

INSTANTIATE_TEST_SUITE_P(
    Cells, CellTable,
    ::testing::Values(CellCase{"plain", "請求書", "請求書"},
                      CellCase{"comma", "a,b", "\"a,b\""},
                      CellCase{"quote", "say \"hi\"", "\"say \"\"hi\"\"\""},
                      CellCase{"line_break", "a\nb", "\"a\nb\""},
                      CellCase{"equals", "=SUM(A1)", "'=SUM(A1)"},
                      CellCase{"plus", "+1", "'+1"},
                      CellCase{"minus", "-1", "'-1"},
                      CellCase{"at", "@cmd", "'@cmd"},
                      CellCase{"tab", "\tx", "'\tx"},
                      CellCase{"carriage_return", "\rx", "\"'\rx\""},
                      CellCase{"formula_with_quote", "=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
                      CellCase{"equals_later_is_fine", "a=b", "a=b"}),
    [](const auto& info) { return std::string(info.param.name); });

const CsvRow kRow{"C:\\Docs", "a.pdf", 3, "-123", "x -123 y"};

TEST(CsvLines, ColumnsFollowOptions) {
    struct Case {
        CsvColumns columns;
        std::string header;
        std::string row;
    };
    const Case cases[] = {
        {{true, true, true, true}, "フォルダ,ファイル,ページ,検索文字列,該当箇所\r\n", "C:\\Docs,a.pdf,3,-123,x -123 y\r\n"},
        {{true, false, true, true}, "ファイル,ページ,検索文字列,該当箇所\r\n", "a.pdf,3,-123,x -123 y\r\n"},
        {{true, true, false, true}, "フォルダ,ページ,検索文字列,該当箇所\r\n", "C:\\Docs,3,-123,x -123 y\r\n"},
        {{true, true, true, false}, "フォルダ,ファイル,ページ,該当箇所\r\n", "C:\\Docs,a.pdf,3,x -123 y\r\n"},
        {{true, false, false, false}, "ページ,該当箇所\r\n", "3,x -123 y\r\n"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(csv_header_line(c.columns), c.header);
        EXPECT_EQ(csv_row_line(c.columns, kRow), c.row);
    }
}

TEST(AtomicFile, ReplacesOnlyOnCommitAndReportsAMissingFolder) {
    const fs::path dir = zuvediv_test::scratch_dir("atomic");
    const fs::path target = dir / "result.csv";
    std::ofstream(target) << "previous";
    {
        AtomicFile file;
        ASSERT_EQ(file.open(target.string()), "");
        file.write("half");
        EXPECT_EQ(zuvediv_test::read_file(target), "previous");
    }  // abandoned: the old list must survive and no temporary remain
    EXPECT_EQ(zuvediv_test::read_file(target), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    AtomicFile file;
    ASSERT_EQ(file.open(target.string()), "");
    file.write("new list");
    EXPECT_EQ(file.commit(), "");
    EXPECT_EQ(zuvediv_test::read_file(target), "new list");
    EXPECT_NE(AtomicFile().open((dir / "no" / "such.csv").string()), "") << "a folder that does not exist";
}

}  // namespace
}  // namespace zuvediv
