#include "command_line/command_line.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>

#include "command_line/option_table.h"

namespace zuvediv {
namespace {

std::string bad_value(const OptionSpec& option, const std::string& value, const std::string& hint) {
    return std::string("オプション ") + option.name + " の値 \"" + value + "\" が正しくありません (" + hint + ")";
}

bool parse_integer(const std::string& text, const IntegerValue& target, int& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < target.low || value > target.high) return false;
    out = static_cast<int>(value);
    return true;
}

bool parse_colour(const std::string& text, uint32_t& out) {
    if (text.empty() || text.size() > 6) return false;
    for (char c : text) {
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    }
    out = static_cast<uint32_t>(std::strtoul(text.c_str(), nullptr, 16));
    return true;
}

// Stores an option's value in its field; returns an error or "".
std::string apply_value(Options& o, const OptionSpec& option, const std::string& value) {
    if (const auto* text = std::get_if<TextValue>(&option.target)) {
        o.*(text->field) = value;
        if (!text->may_be_empty && value.empty()) return std::string("オプション ") + option.name + " の値が空です";
    } else if (const auto* integer = std::get_if<IntegerValue>(&option.target)) {
        if (!parse_integer(value, *integer, o.*(integer->field)))
            return bad_value(option, value,
                             std::to_string(integer->low) + "～" + std::to_string(integer->high) + " の整数を指定してください");
    } else if (const auto* colour = std::get_if<ColourValue>(&option.target)) {
        if (!parse_colour(value, o.**colour))
            return bad_value(option, value, "色を 16 進数 1～6 桁で指定してください。例: FF0000");
    } else if (const auto* format = std::get_if<FormatValue>(&option.target)) {
        const auto* named = search_contract::find_image_format(value);
        if (!named) return bad_value(option, value, search_contract::image_format_names() + " のいずれかを指定してください");
        o.**format = named->format;
    }
    return "";
}

struct OptionScan {
    const std::vector<std::string>& args;
    ParsedCommandLine& parsed;
    size_t next = 0;

    // Takes the option at `next`; false when the options have ended or on an error.
    bool take_option() {
        const std::string& arg = args[next];
        if (arg.size() < 2 || arg[0] != '-') {
            parsed.error = "余分な引数があります: \"" + arg + "\" (検索文字列と検索するパスは最後に指定してください)";
            return false;
        }
        const OptionSpec* option = find_option(arg.substr(0, 2));
        if (arg.size() > 2 && option && takes_value(*option)) {
            // Value written together with its option, as in "-j2".
            parsed.error = apply_value(parsed.options, *option, arg.substr(2));
            ++next;
            return parsed.error.empty();
        }
        option = find_option(arg);
        if (!option) {
            parsed.error = "不明なオプションです: " + arg + " (-h で使い方を表示します)";
            return false;
        }
        ++next;
        if (std::holds_alternative<EndOfOptions>(option->target)) return false;
        if (const auto* flag = std::get_if<Flag>(&option->target)) {
            parsed.options.**flag = true;
            return !parsed.options.show_usage;
        }
        if (args.size() - next <= 2) {
            parsed.error = "オプション " + arg + " の値がありません";
            return false;
        }
        parsed.error = apply_value(parsed.options, *option, args[next++]);
        return parsed.error.empty();
    }
};

// The search string and the path, once the options have been taken.
void take_operands(const std::vector<std::string>& args, size_t i, ParsedCommandLine& parsed) {
    Options& o = parsed.options;
    if (args.size() - i != 2) {
        parsed.error = args.size() - i < 2 ? "検索文字列と検索するパス (PDF ファイルまたはフォルダ) を指定してください"
                                           : "余分な引数があります: \"" + args[i] + "\"";
        return;
    }
    o.phrase = args[i];
    o.input = args[i + 1];
    if (o.phrase.find_first_not_of(" \t\r\n") == std::string::npos) {
        parsed.error = "検索文字列が空です";
    } else if (o.input.empty()) {
        parsed.error = "検索するパスが空です";
    } else if (o.make_images && o.image_folder.empty()) {
        parsed.error = "-m (画像の作成) には -O で画像の出力先フォルダを指定してください";
    }
}

}  // namespace

ParsedCommandLine parse_command_line(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help")) {
        parsed.options.show_usage = true;
        return parsed;
    }
    // Options end where two arguments remain, or at "--".
    OptionScan scan{args, parsed};
    while (args.size() - scan.next > 2 && scan.take_option()) {
    }
    if (parsed.error.empty() && !parsed.options.show_usage) take_operands(args, scan.next, parsed);
    return parsed;
}

}  // namespace zuvediv
