#include "command_line/option_table.h"

#include <cstdio>
#include <string>

#include "pdf/page_parts.h"

namespace zuvediv {
namespace {
namespace contract = search_contract;

std::string range_text(int low, int high) { return std::to_string(low) + "～" + std::to_string(high); }

std::string hex_text(uint32_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(value));
    return digits;
}
}  // namespace

const std::vector<OptionSpec>& option_table() {
    static const std::vector<OptionSpec> table = {
        {"-s", &Options::recursive, "", "サブフォルダの PDF も検索する"},
        {"-m", &Options::make_images, "", "見つかったページの画像を作る (-O が必要)"},
        {"-F", &Options::format, "形式", "画像の形式: " + contract::image_format_names() + " (既定: " +
                                             contract::named_image_format(contract::kImageFormatDefault).option_value + ")"},
        {"-O", TextValue{&Options::image_folder, false}, "フォルダ", "画像の出力先フォルダ"},
        {"-o", TextValue{&Options::csv_file, false}, "ファイル",
         "結果を CSV に書く (相対パスは -O のフォルダ、なければ検索したフォルダに置く)"},
        {"-H", &Options::no_header, "", "CSV に見出し行を書かない"},
        {"-P", &Options::no_folder_column, "", "CSV にフォルダの列を書かない"},
        {"-Q", &Options::no_file_column, "", "CSV にファイルの列を書かない"},
        {"-R", &Options::no_phrase_column, "", "CSV に検索文字列の列を書かない"},
        {"-v", &Options::verbose, "", "進み具合を表示する"},
        {"-p", TextValue{&Options::password, true}, "パスワード", "暗号化された PDF のパスワード (ユーザーまたはオーナー)"},
        {"-a", IntegerValue{&Options::opacity_tenths, contract::kOpacityMin, contract::kOpacityMax},
         range_text(contract::kOpacityMin, contract::kOpacityMax),
         "枠の不透明度 (" + std::to_string(contract::kOpacityMax) + " で不透明、既定: " +
             std::to_string(contract::kOpacityDefault) + ")"},
        {"-w", IntegerValue{&Options::line_width, contract::kFrameWidthMin, contract::kFrameWidthMax},
         range_text(contract::kFrameWidthMin, contract::kFrameWidthMax),
         "枠の線の太さ (ピクセル、既定: " + std::to_string(contract::kFrameWidthDefault) + ")"},
        {"-C", &Options::colour, "色",
         "枠の色 RRGGBB を 16 進数 1～6 桁で (既定: " + hex_text(contract::kFrameColourDefault) + ")"},
        {"-c", &Options::exact_case, "", "大文字と小文字を区別する"},
        {"-n", &Options::no_normalise, "", "全角/半角などの正規化をしない"},
        {"-t", IntegerValue{&Options::time_limit_seconds, 1, 86400}, "秒", "1 ページも読み進まないまま、この秒数が過ぎた文書は打ち切る (既定: 60)。分けて読む文書は、どの部分かが読み進めば続ける"},
        {"-j", IntegerValue{&Options::workers, 1, 256}, "数", "同時に処理する数 (既定: CPU のコア数)。" + std::to_string(kSplitAbovePages + 1) + " ページ以上の文書はページを分けて同時に読む"},
        {"-r", IntegerValue{&Options::dpi, 10, 1200}, "dpi", "画像の解像度 (既定: 150)"},
        {"-T", &Options::text_layer_only, "", "文字のないページを文字認識 (OCR) せず、テキスト層だけを検索する"},
        {"-N", &Options::no_cache, "", "ページの文字のキャッシュを読みも書きもしない"},
        {"--", EndOfOptions{}, "", "オプションの終わり"},
        {"-h", &Options::show_usage, "", "この説明を表示する"},
    };
    return table;
}

const OptionSpec* find_option(const std::string& name) {
    for (const OptionSpec& option : option_table()) {
        if (name == option.name) return &option;
    }
    return nullptr;
}

bool takes_value(const OptionSpec& option) {
    return !std::holds_alternative<Flag>(option.target) && !std::holds_alternative<EndOfOptions>(option.target);
}

}  // namespace zuvediv
