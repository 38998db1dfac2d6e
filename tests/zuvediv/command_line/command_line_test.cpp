#include <gtest/gtest.h>

#include "command_line/command_line.h"

namespace zuvediv {
namespace {

ParsedCommandLine parse(std::vector<std::string> args) { return parse_command_line(args); }

TEST(CommandLine, DesktopProgramLine) {
    const auto p = parse({"-s", "-m", "-F", "jpeg", "-O", "C:\\Out", "-o", "result.csv", "-P", "-R", "-v", "-w", "3",
                          "-C", "FF0000", "invoice", "C:\\Docs"});
    ASSERT_EQ(p.error, "");
    const Options& o = p.options;
    EXPECT_TRUE(o.recursive && o.make_images && o.no_folder_column && o.no_phrase_column && o.verbose);
    EXPECT_FALSE(o.no_file_column || o.no_header || o.exact_case || o.no_normalise);
    EXPECT_EQ(o.format, ImageFormat::jpeg);
    EXPECT_EQ(o.image_folder, "C:\\Out");
    EXPECT_EQ(o.csv_file, "result.csv");
    EXPECT_EQ(o.line_width, 3);
    EXPECT_EQ(o.colour, 0xFF0000u);
    EXPECT_EQ(o.phrase, "invoice");
    EXPECT_EQ(o.input, "C:\\Docs");
}

TEST(CommandLine, LastTwoArgumentsArePositionalEvenWithDash) {
    struct Case {
        std::vector<std::string> args;
        std::string phrase;
        bool verbose;
    };
    const Case cases[] = {
        {{"-123", "docs"}, "-123", false},
        {{"-v", "-123", "docs"}, "-123", true},
        {{"-v", "-v", "docs"}, "-v", true},
        {{"--", "-v", "docs"}, "-v", false},
        {{"-h", "docs"}, "-h", false},
    };
    for (const Case& c : cases) {
        const auto p = parse(c.args);
        EXPECT_EQ(p.error, "") << c.phrase;
        EXPECT_EQ(p.options.phrase, c.phrase);
        EXPECT_EQ(p.options.verbose, c.verbose);
        EXPECT_FALSE(p.options.show_usage);
    }
}

TEST(CommandLine, ValueMayBeAttachedAndColourIsHex) {
    const auto p = parse({"-j2", "-Fjpeg", "-C0", "x", "y"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.options.workers, 2);
    EXPECT_EQ(p.options.format, ImageFormat::jpeg);
    EXPECT_EQ(p.options.colour, 0u);
    const std::pair<std::string, uint32_t> colours[] = {{"FF", 0xFFu}, {"ff00aa", 0xFF00AAu}, {"aBc", 0xABCu}};
    for (const auto& [text, colour] : colours) EXPECT_EQ(parse({"-C", text, "x", "y"}).options.colour, colour) << text;
}

TEST(CommandLine, UsageOnlyWhenAskedInOptionPosition) {
    EXPECT_TRUE(parse({"-h"}).options.show_usage);
    EXPECT_TRUE(parse({"-v", "-h", "x", "y"}).options.show_usage);
}

TEST(CommandLine, ErrorsNameTheProblem) {
    struct Case {
        std::vector<std::string> args;
        std::string fragment;
    };
    const Case cases[] = {
        {{"-x", "a", "b"}, "不明なオプションです: -x"},
        {{"-a", "1", "a", "b"}, "-a の値 \"1\""},
        {{"-a", "11", "a", "b"}, "2～10"},
        {{"-w", "0", "a", "b"}, "-w の値"},
        {{"-w", "101", "a", "b"}, "1～100"},
        {{"-w", "3x", "a", "b"}, "-w の値 \"3x\""},
        {{"-C", "1234567", "a", "b"}, "-C の値"},
        {{"-C", "GG", "a", "b"}, "-C の値"},
        {{"-F", "gif", "a", "b"}, "-F の値 \"gif\""},
        {{"-j0", "a", "b"}, "-j の値 \"0\""},
        {{"-t", "-5", "a", "b"}, "-t の値"},
        {{"-O", "a", "b"}, "-O の値がありません"},
        {{"-m", "a", "b"}, "-O で画像の出力先"},
        {{"a"}, "検索文字列と検索するパス"},
        {{}, "検索文字列と検索するパス"},
        {{"stray", "a", "b"}, "余分な引数があります: \"stray\""},
        {{"--", "x", "a", "b"}, "余分な引数"},
        {{" ", "b"}, "検索文字列が空です"},
    };
    for (const Case& c : cases) {
        const auto p = parse(c.args);
        EXPECT_NE(p.error.find(c.fragment), std::string::npos) << p.error << " / expected: " << c.fragment;
    }
}

}  // namespace
}  // namespace zuvediv
