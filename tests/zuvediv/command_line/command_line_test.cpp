// The command line: every option reaches its field, integer options at and
// beyond both ends of their range, the errors that stop a run, the usage
// text, and Windows paths under Wine mapped through the prefix's drive links.
#include <gtest/gtest.h>

#include "command_line/command_line.h"
#include "report/usage_text.h"
#include "command_line/wine_path.h"
#include "support/pdf_fixtures.h"

namespace zuvediv {
namespace {

ParsedCommandLine parse(std::vector<std::string> args) { return parse_command_line(args); }

struct FlagRow {
    const char* option;
    bool Options::*field;
};
const FlagRow kFlags[] = {
    {"-s", &Options::recursive},        {"-m", &Options::make_images},      {"-H", &Options::no_header},
    {"-P", &Options::no_folder_column}, {"-Q", &Options::no_file_column},   {"-R", &Options::no_phrase_column},
    {"-v", &Options::verbose},          {"-c", &Options::exact_case},       {"-n", &Options::no_normalise},
    {"-T", &Options::text_layer_only},  {"-N", &Options::no_cache},
};

TEST(CommandLine, EachFlagSetsItsOwnFieldAlone) {
    for (const FlagRow& flag : kFlags) {
        const Options o = parse({flag.option, "x", "y"}).options;
        for (const FlagRow& other : kFlags) EXPECT_EQ(o.*other.field, &other == &flag) << flag.option << " set " << other.option;
        EXPECT_FALSE(o.show_usage) << flag.option;
    }
}

// What the dialog writes comes back field by field in the contract test
// (tests/common); what it never writes stays here.
TEST(CommandLine, AJoinedValueLowerCaseColourDigitsAndAnEmptyPassword) {
    const auto p = parse({"-w3", "-C", "aBc", "-p", "", "x", "y"});
    EXPECT_EQ(std::tuple(p.error, p.options.line_width, p.options.colour), std::tuple(std::string(), 3, 0xABCu));
}

TEST(CommandLine, IntegerRangesAreInclusive) {
    struct Range { const char* option; int Options::*field; int low, high; };
    const Range ranges[] = {{"-a", &Options::opacity_tenths, 2, 10}, {"-w", &Options::line_width, 1, 100},
                            {"-t", &Options::time_limit_seconds, 1, 86400}, {"-j", &Options::workers, 1, 256},
                            {"-r", &Options::dpi, 10, 1200}};
    for (const Range& r : ranges) {
        for (int value : {r.low, r.high}) EXPECT_EQ(parse({r.option, std::to_string(value), "x", "y"}).options.*r.field, value);
        const std::string range = std::to_string(r.low) + "～" + std::to_string(r.high) + " の整数";
        for (int value : {r.low - 1, r.high + 1})
            EXPECT_NE(parse({r.option, std::to_string(value), "x", "y"}).error.find(range), std::string::npos) << r.option;
    }
}

TEST(CommandLine, LastTwoArgumentsAreTheSearch) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"-123", "docs"}, "-123"}, {{"-v", "-v", "docs"}, "-v"}, {{"-h", "docs"}, "-h"}, {{"-o", "-h", "-s", "d"}, "-s"}};
    for (const auto& [args, phrase] : cases) EXPECT_EQ(parse(args).error + parse(args).options.phrase, phrase);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"-h"}, {"--help"}, {"-v", "-h", "x", "y"}})
        EXPECT_TRUE(parse(args).options.show_usage && parse(args).error.empty()) << args[0];
}

TEST(CommandLine, ErrorsNameTheProblem) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"-x", "a", "b"}, "不明なオプションです: -x (-h"}, {{"-sv", "a", "b"}, "不明なオプションです: -sv"},
        {{"-w", "3x", "a", "b"}, "オプション -w の値 \"3x\" が正しくありません (1～100 の整数を指定してください)"},
        {{"-t", "-5", "a", "b"}, "-t の値 \"-5\""}, {{"-j", "", "a", "b"}, "-j の値 \"\""},
        {{"-C", "1234567", "a", "b"}, "-C の値 \"1234567\" が正しくありません (色を 16 進数 1～6 桁で指定してください。例: FF0000)"},
        {{"-C", "GG", "a", "b"}, "-C の値 \"GG\""},
        {{"-F", "gif", "a", "b"}, "-F の値 \"gif\" が正しくありません (png, jpeg, tiff のいずれかを指定してください)"},
        {{"-O", "a", "b"}, "オプション -O の値がありません"}, {{"-O", "", "a", "b"}, "オプション -O の値が空です"},
        {{"-o", "", "a", "b"}, "オプション -o の値が空です"}, {{"-m", "a", "b"}, "-m (画像の作成) には -O で画像の出力先"},
        {{"a"}, "検索文字列と検索するパス (PDF"}, {{"stray", "a", "b"}, "余分な引数があります: \"stray\" (検索文字列と"},
        {{"--", "x", "a", "b"}, "余分な引数があります: \"x\""}, {{" \t", "b"}, "検索文字列が空です"}, {{"a", ""}, "検索するパスが空です"},
    };
    for (const auto& [args, fragment] : cases)
        EXPECT_NE(parse(args).error.find(fragment), std::string::npos) << parse(args).error << " / expected: " << fragment;
}

TEST(UsageText, OneAlignedLinePerOption) {
    const std::string text = usage_text();
    for (const char* line : {"\n  -s            サブフォルダの PDF も検索する\n", "\n  -F 形式       画像の形式: png, jpeg, tiff (既定",
                             "\n  -p パスワード 暗号化", "\n  -a 2～10      枠の不透明度", "\n  --            オプションの終わり\n  -h  ",
                             "$XDG_CACHE_HOME/zuvediv/ (未設定なら ~/.cache/zuvediv/)"})
        EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(WinePath, MapsDriveLettersThroughDosdevices) {
    const zuvediv_test::ScratchDir prefix;
    std::filesystem::create_directories(prefix.path() / "dosdevices");
    std::filesystem::create_symlink("../drive_c", prefix / "dosdevices/c:");
    std::filesystem::create_symlink("/", prefix / "dosdevices/z:");
    const std::pair<std::string, std::string> cases[] = {
        {"Z:\\tmp\\x", "/tmp/x"}, {"z:/tmp/x", "/tmp/x"}, {"Z:\\", "/"}, {"Z:", "/"}, {"Z:\\home\\書類\\", "/home/書類"},
        {"C:\\users\\Public\\a.csv", prefix / "drive_c/users/Public/a.csv"}, {"c:\\users\\..\\x", prefix / "drive_c/x"},
        {"/tmp/already/linux", "/tmp/already/linux"}, {"result.csv", "result.csv"}, {"Z:x", "Z:x"}, {"1:\\x", "1:\\x"},
        {"Q:\\x", "ドライブ Q: の割り当てが Wine の設定 (" + prefix / "dosdevices/q:" + ") に見つかりません"},
    };
    for (const auto& [windows, native] : cases) {
        const MappedPath m = to_native_path(windows, WineSetup{prefix.path().string()});
        EXPECT_EQ(m.error + m.path, native) << windows;
    }
    setenv("WINEPREFIX", "/opt/prefix", 1);
    EXPECT_EQ(WineSetup::from_environment().prefix, "/opt/prefix");
    setenv("WINEPREFIX", "", 1);
    setenv("HOME", "/home/someone", 1);
    EXPECT_EQ(WineSetup::from_environment().prefix, "/home/someone/.wine");
}

}  // namespace
}  // namespace zuvediv
