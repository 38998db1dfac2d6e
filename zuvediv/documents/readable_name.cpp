#include "documents/readable_name.h"

#include <memory>

#include <unicode/ucnv.h>
#include <unicode/ucnv_err.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

namespace zuvediv {
namespace {

bool is_utf8(const std::string& bytes) {
    const auto* s = reinterpret_cast<const uint8_t*>(bytes.data());
    const int32_t length = static_cast<int32_t>(bytes.size());
    for (int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0) return false;
    }
    return true;
}

// Empty when the bytes are not all Windows-31J.
std::string from_windows_31j(const std::string& bytes) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UConverter, decltype(&ucnv_close)> converter(ucnv_open("windows-31j", &status), ucnv_close);
    if (U_FAILURE(status)) return "";
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    const icu::UnicodeString text(bytes.data(), static_cast<int32_t>(bytes.size()), converter.get(), status);
    std::string utf8;
    if (U_SUCCESS(status)) text.toUTF8String(utf8);
    return utf8;
}

}  // namespace

std::string readable_name(const std::string& bytes) {
    if (is_utf8(bytes)) return bytes;
    std::string text = from_windows_31j(bytes);
    if (text.empty()) icu::UnicodeString::fromUTF8(bytes).toUTF8String(text);  // U+FFFD for what is not UTF-8
    return text;
}

}  // namespace zuvediv
