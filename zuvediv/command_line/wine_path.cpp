#include "command_line/wine_path.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zuvediv {

namespace fs = std::filesystem;

WineSetup WineSetup::from_environment() {
    WineSetup setup;
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix && *prefix) {
        setup.prefix = prefix;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        setup.prefix = std::string(home) + "/.wine";
    }
    return setup;
}

bool looks_like_windows_path(const std::string& path) {
    if (path.size() < 2 || !std::isalpha(static_cast<unsigned char>(path[0])) || path[1] != ':') return false;
    return path.size() == 2 || path[2] == '\\' || path[2] == '/';
}

MappedPath to_native_path(const std::string& path, const WineSetup& wine) {
    if (!looks_like_windows_path(path)) return {path, ""};
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
    const fs::path link = fs::path(wine.prefix) / "dosdevices" / std::string{drive, ':'};
    std::error_code ec;
    fs::path target = fs::read_symlink(link, ec);
    if (ec) {
        return {"", "ドライブ " + std::string(1, static_cast<char>(std::toupper(drive))) +
                        ": の割り当てが Wine の設定 (" + link.string() + ") に見つかりません"};
    }
    if (target.is_relative()) target = link.parent_path() / target;
    std::string rest = path.substr(2);
    for (char& c : rest) {
        if (c == '\\') c = '/';
    }
    while (!rest.empty() && rest.front() == '/') rest.erase(rest.begin());
    fs::path mapped = (target / rest).lexically_normal();
    std::string text = mapped.string();
    // "Z:\" names the root itself; keep no trailing slash elsewhere.
    while (text.size() > 1 && text.back() == '/') text.pop_back();
    return {text, ""};
}

}  // namespace zuvediv
