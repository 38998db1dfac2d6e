// What the tool writes: the result list as a spreadsheet reads it, and
// frames drawn onto a page.
#include <gtest/gtest.h>

#include "output/atomic_file.h"
#include "output/csv_output.h"
#include "output/hit_frames.h"
#include "support/pdf_fixtures.h"

namespace zuvediv {
namespace {

namespace fs = std::filesystem;

TEST(CsvCells, DefusedAndQuoted) {
    const std::pair<std::string, std::string> cases[] = {
        {"請求書", "請求書"}, {"", ""}, {"a,b", "\"a,b\""}, {"say \"hi\"", "\"say \"\"hi\"\"\""}, {"a\nb", "\"a\nb\""},
        {"a\rb", "\"a\rb\""}, {"=SUM(A1)", "'=SUM(A1)"}, {"+1", "'+1"}, {"-1", "'-1"}, {"@cmd", "'@cmd"},
        {"\tx", "'\tx"}, {"\rx", "\"'\rx\""}, {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""}, {"a=b", "a=b"},
    };
    for (const auto& [text, cell] : cases) EXPECT_EQ(csv_text_cell(text), cell) << text;
}

TEST(CsvLines, ColumnsFollowOptionsAndTheSearchStringIsOnlyQuoted) {
    const CsvRow row{"C:\\Docs", "=a.pdf", 3, "-1,2", "x -123 y"};
    struct Case { const char* name; CsvColumns columns; std::string lines; };
    const Case cases[] = {
        {"all", {}, "フォルダ,ファイル,ページ,検索文字列,該当箇所\r\nC:\\Docs,'=a.pdf,3,\"-1,2\",x -123 y\r\n"},
        {"no folder", {true, false, true, true}, "ファイル,ページ,検索文字列,該当箇所\r\n'=a.pdf,3,\"-1,2\",x -123 y\r\n"},
        {"no file", {true, true, false, true}, "フォルダ,ページ,検索文字列,該当箇所\r\nC:\\Docs,3,\"-1,2\",x -123 y\r\n"},
        {"no search string", {true, true, true, false}, "フォルダ,ファイル,ページ,該当箇所\r\nC:\\Docs,'=a.pdf,3,x -123 y\r\n"},
    };
    for (const Case& c : cases) EXPECT_EQ(csv_header_line(c.columns) + csv_row_line(c.columns, row), c.lines) << c.name;
}

// Written beside the target and renamed on commit: an abandoned list
// leaves the previous one, and no temporary stays behind.
TEST(AtomicFile, ReplacesOnlyOnCommit) {
    const zuvediv_test::ScratchDir dir;
    const std::string target = dir / "result.csv";
    zuvediv_test::write_file(target, "previous");
    for (bool commit : {false, true}) {
        AtomicFile file;
        ASSERT_EQ(file.open(target), "");
        file.write(commit ? "new list" : "half");
        EXPECT_EQ(ReadFileBytes(target), "previous");
        EXPECT_EQ(commit ? file.commit() : "", "");
    }
    EXPECT_EQ(ReadFileBytes(target), "new list");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_NE(AtomicFile().open(dir / "no/such.csv"), "");
}

// One text row of a 20 x 7 white page, with `boxes` framed at width 1.
std::string framed_row(const std::vector<Box>& boxes, int row, FrameStyle style = {0x0000FF, 5, 1}) {
    RgbImage image{20, 7, std::vector<uint8_t>(20 * 7 * 3, 255)};
    draw_frames(image, boxes, style);
    std::string shown;
    for (int x = 0; x < image.width; ++x) {
        const uint8_t* p = image.row(row) + 3 * x;
        shown += p[0] == 255 ? '.' : p[0] == 128 && p[1] == 128 && p[2] == 255 ? 'o' : p[0] == 0 && p[2] == 255 ? '#' : '?';
    }
    return shown;
}

TEST(HitFrames, GapWidthOpacityAndClipping) {
    EXPECT_EQ(framed_row({{5, 2, 7.5, 4}}, 3), "...o.....o..........");  // gap of one pixel, edges rounded outwards
    EXPECT_EQ(framed_row({{5, 2, 7.5, 4}}, 0), "...ooooooo..........");
    EXPECT_EQ(framed_row({{5, 2, 7.5, 4}}, 3, {0x0000FF, 10, 2}), "..##.....##.........");
    EXPECT_EQ(framed_row({{5, 2, 7, 4}, {6, 2, 11, 4}}, 0), "...oooooooooo.......") << "overlaps blended once";
    EXPECT_EQ(framed_row({{-10, 2, -5, 4}, {30, 2, 40, 4}, {18, 2, 25, 4}}, 3), "................o...");
    EXPECT_EQ(framed_row({}, 3), "....................");
}

}  // namespace
}  // namespace zuvediv
