#pragma once
// What the search dialog and the search tool agree on: the frame options'
// defaults and ranges, the -F formats, the tool's file names and the status
// lines that the tool's Linux build leaves for the console bridge under Wine.
// The dialog composes its command line from these and the tool parses by
// them. Plain C++17, so both programs, on every platform, and the bridge use it.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

namespace search_contract {

// -a: frame opacity in tenths, 10 = opaque.
constexpr int kOpacityMin = 2;
constexpr int kOpacityMax = 10;
constexpr int kOpacityDefault = 10;
// -w: frame line width in pixels.
constexpr int kFrameWidthMin = 1;
constexpr int kFrameWidthMax = 100;
constexpr int kFrameWidthDefault = 1;
// -C: frame colour in RGB form 0x00RRGGBB, 1 to 6 hexadecimal digits.
constexpr uint32_t kFrameColourDefault = 0xFF0000;  // pure red
constexpr uint32_t kFrameColourMax = 0xFFFFFF;      // white

// -F, in the order of the dialog's format list, whose index is stored.
enum class ImageFormat { png, jpeg, tiff };
constexpr ImageFormat kImageFormatDefault = ImageFormat::png;

struct ImageFormatName {
    ImageFormat format;
    const char* option_value;  // as -F takes it
    const char* extension;     // of the image files written
};

inline constexpr ImageFormatName kImageFormats[] = {
    {ImageFormat::png, "png", "png"}, {ImageFormat::jpeg, "jpeg", "jpg"}, {ImageFormat::tiff, "tiff", "tif"}};

// The format at a place in kImageFormats, or nothing (-1: no selection).
inline const ImageFormatName* image_format_at(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= std::size(kImageFormats)) return nullptr;
    return &kImageFormats[index];
}

inline const ImageFormatName* find_image_format(std::string_view option_value) {
    for (const ImageFormatName& named : kImageFormats) {
        if (option_value == named.option_value) return &named;
    }
    return nullptr;
}

// "png, jpeg, tiff", for the tool's usage text and its error message.
inline std::string image_format_names() {
    std::string names;
    for (const ImageFormatName& named : kImageFormats) names += (names.empty() ? "" : ", ") + std::string(named.option_value);
    return names;
}

inline const ImageFormatName& named_image_format(ImageFormat format) {
    for (const ImageFormatName& named : kImageFormats) {
        if (named.format == format) return named;
    }
    return kImageFormats[0];
}

inline const char* file_extension(ImageFormat format) { return named_image_format(format).extension; }

// The tool as the dialog starts it from the program directory, and the
// Linux build that the console bridge of that name starts beside itself.
inline constexpr char kToolFileName[] = "Zuvediv.exe";
inline constexpr char kNativeToolFileName[] = "zuvediv";

// The bridge names the status file in this variable; the tool appends a
// pid line when it starts and an exit line when it ends.
inline constexpr char kBridgeStatusVariable[] = "ZUVEDIV_STATUS_FILE";
inline constexpr std::string_view kBridgePidTag = "pid ";
inline constexpr std::string_view kBridgeExitTag = "exit ";

inline std::string bridge_pid_line(long pid) { return std::string(kBridgePidTag) + std::to_string(pid) + "\n"; }
inline std::string bridge_exit_line(int exit_code) {
    return std::string(kBridgeExitTag) + std::to_string(exit_code) + "\n";
}

struct ToolStatus {
    unsigned long pid = 0;  // 0 until the tool has started
    bool exited = false;
    int exit_code = 2;  // the tool's code for a run that could not finish
};

inline ToolStatus read_bridge_status(const std::string& lines) {
    ToolStatus status;
    const auto pid = lines.find(kBridgePidTag);
    if (pid != std::string::npos) status.pid = std::strtoul(lines.c_str() + pid + kBridgePidTag.size(), nullptr, 10);
    const auto exit = lines.find(kBridgeExitTag);
    if (exit != std::string::npos) {
        status.exited = true;
        status.exit_code = std::atoi(lines.c_str() + exit + kBridgeExitTag.size());
    }
    return status;
}

// The ASCII names above as the Windows side's wide text.
inline std::wstring widen_ascii(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

}  // namespace search_contract
