#include "command_line.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <map>

namespace zuvediv {
namespace {

struct Range {
    long low;
    long high;
};

bool parse_int(const std::string& text, Range range, int& out) {
    if (text.empty()) return false;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || value < range.low || value > range.high) return false;
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

std::string range_error(const std::string& option, Range r, const std::string& value) {
    return "オプション " + option + " の値 \"" + value + "\" が正しくありません (" + std::to_string(r.low) + "～" +
           std::to_string(r.high) + " の整数を指定してください)";
}

// Applies an option that takes a value; returns an error or "".
std::string apply_value(Options& o, const std::string& option, const std::string& value) {
    static const std::map<std::string, Range> ranges = {
        {"-a", {2, 10}}, {"-w", {1, 100}}, {"-t", {1, 86400}}, {"-j", {1, 256}}, {"-r", {10, 1200}}};
    if (option == "-F") {
        if (value == "png") o.format = ImageFormat::png;
        else if (value == "jpeg") o.format = ImageFormat::jpeg;
        else if (value == "tiff") o.format = ImageFormat::tiff;
        else return "オプション -F の値 \"" + value + "\" が正しくありません (png, jpeg, tiff のいずれかを指定してください)";
        return "";
    }
    if (option == "-O") o.image_folder = value;
    else if (option == "-o") o.csv_file = value;
    else if (option == "-p") o.password = value;
    else if (option == "-C") {
        if (!parse_colour(value, o.colour))
            return "オプション -C の値 \"" + value + "\" が正しくありません (色を 16 進数 1～6 桁で指定してください。例: FF0000)";
    } else {
        const Range range = ranges.at(option);
        int* target = option == "-a" ? &o.opacity_tenths
                    : option == "-w" ? &o.line_width
                    : option == "-t" ? &o.time_limit_seconds
                    : option == "-j" ? &o.workers
                                     : &o.dpi;
        if (!parse_int(value, range, *target)) return range_error(option, range, value);
    }
    if ((option == "-O" || option == "-o") && value.empty()) return "オプション " + option + " の値が空です";
    return "";
}

bool set_flag(Options& o, const std::string& option) {
    static const std::map<std::string, bool Options::*> flags = {
        {"-s", &Options::recursive},        {"-m", &Options::make_images},      {"-H", &Options::no_header},
        {"-P", &Options::no_folder_column}, {"-Q", &Options::no_file_column},   {"-R", &Options::no_phrase_column},
        {"-v", &Options::verbose},          {"-c", &Options::exact_case},       {"-n", &Options::no_normalise},
        {"-h", &Options::show_usage}};
    const auto it = flags.find(option);
    if (it == flags.end()) return false;
    o.*(it->second) = true;
    return true;
}

bool takes_value(const std::string& option) {
    static const char* const with_value[] = {"-F", "-O", "-o", "-p", "-a", "-w", "-C", "-t", "-j", "-r"};
    for (const char* name : with_value) {
        if (option == name) return true;
    }
    return false;
}

}  // namespace

ParsedCommandLine parse_command_line(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    Options& o = parsed.options;
    if (args.size() == 1 && (args[0] == "-h" || args[0] == "--help")) {
        o.show_usage = true;
        return parsed;
    }
    size_t i = 0;
    // Options end where two arguments remain, or at "--".
    while (args.size() - i > 2) {
        const std::string& arg = args[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg.size() < 2 || arg[0] != '-') {
            parsed.error = "余分な引数があります: \"" + arg + "\" (検索文字列と検索するパスは最後に指定してください)";
            return parsed;
        }
        if (arg.size() > 2 && takes_value(arg.substr(0, 2))) {
            // Value written together with its option, as in "-j2".
            parsed.error = apply_value(o, arg.substr(0, 2), arg.substr(2));
            if (!parsed.error.empty()) return parsed;
            ++i;
            continue;
        }
        if (takes_value(arg)) {
            if (args.size() - (i + 1) <= 2) {
                parsed.error = "オプション " + arg + " の値がありません";
                return parsed;
            }
            parsed.error = apply_value(o, arg, args[i + 1]);
            if (!parsed.error.empty()) return parsed;
            i += 2;
            continue;
        }
        if (!set_flag(o, arg)) {
            parsed.error = "不明なオプションです: " + arg + " (-h で使い方を表示します)";
            return parsed;
        }
        if (o.show_usage) return parsed;
        ++i;
    }
    if (args.size() - i != 2) {
        parsed.error = args.size() - i < 2 ? "検索文字列と検索するパス (PDF ファイルまたはフォルダ) を指定してください"
                                           : "余分な引数があります: \"" + args[i] + "\"";
        return parsed;
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
    return parsed;
}

}  // namespace zuvediv
