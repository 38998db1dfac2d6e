#include "platform/library_data.h"

#include <filesystem>
#include <system_error>

#include <poppler-global.h>
#include <unicode/putil.h>
#include <unicode/uclean.h>
#include <unicode/utypes.h>

#include "platform/data_folder.h"

namespace zuvediv {
namespace {

namespace fs = std::filesystem;

std::string poppler_folder(const std::string& folder) { return folder + "/share/poppler"; }

}  // namespace

std::string use_library_data() {
    const std::string folder = data_folder();
    if (folder.empty()) return "";
    u_setDataDirectory(folder.c_str());
    poppler::set_data_dir(poppler_folder(folder));
    UErrorCode status = U_ZERO_ERROR;
    u_init(&status);  // loads the archive, or fails without it
    if (U_FAILURE(status)) return std::string("ICU のデータファイル ") + U_ICUDATA_NAME ".dat が " + folder + " にありません";
    // Without the tables, Japanese text in fonts that are not embedded would read as nothing.
    std::error_code ec;
    if (!fs::is_directory(fs::u8path(poppler_folder(folder)) / "cMap", ec))
        return "poppler のデータ (share\\poppler) が " + folder + " にありません";
    return "";
}

std::string tessdata_folder() {
    const std::string folder = data_folder();
    return folder.empty() ? "" : folder + "/tessdata";
}

}  // namespace zuvediv
