#include "report/usage_text.h"

#include "cache/cache_location.h"
#include "command_line/option_table.h"

namespace zuvediv {
namespace {

// Descriptions start in this console column; a non-ASCII character of the
// option column (all of them full-width) takes two.
constexpr size_t kDescriptionColumn = 16;

size_t console_width(const std::string& utf8) {
    size_t width = 0;
    for (size_t i = 0; i < utf8.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) ++width;
        else if ((c & 0xC0) == 0xC0) width += 2;  // a lead byte; continuation bytes add nothing
    }
    return width;
}

std::string option_line(const OptionSpec& option) {
    std::string line = std::string("  ") + option.name;
    if (!option.value_name.empty()) line += " " + option.value_name;
    const size_t width = console_width(line);
    line.append(width < kDescriptionColumn ? kDescriptionColumn - width : 1, ' ');
    return line + option.description + "\n";
}

}  // namespace

std::string usage_text() {
    std::string text =
        "使い方: Zuvediv [オプション] <検索文字列> <PDF ファイルまたはフォルダ>\n"
        "PDF の中の文字列を探し、結果を CSV に書き、見つかった箇所を枠で囲んだページ画像を作ります。\n"
        "最後の 2 つの引数は常に検索文字列と検索するパスです (\"-\" で始まる検索文字列も使えます)。\n"
        "\n"
        "オプション:\n";
    for (const OptionSpec& option : option_table()) text += option_line(option);
    return text +
           "\n文字のないページ (スキャンした紙など) は文字認識 (OCR) で読みます。OCR は文字を読み落とすことがあります。\n"
           "\n読んだページの文字は " + cache_folder_for_users() + " に保存し、次の検索に使います。\n"
           "消すにはこのフォルダを削除します。\n"
           "\n終了コード: 0 見つかった / 1 見つからなかった / 2 エラー\n";
}

}  // namespace zuvediv
