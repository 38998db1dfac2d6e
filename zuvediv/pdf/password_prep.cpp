#include "pdf/password_prep.h"

#include <memory>

#include <unicode/unistr.h>
#include <unicode/usprep.h>

namespace zuvediv {

std::optional<std::string> sasl_prepared(const std::string& password) {
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UStringPrepProfile, decltype(&usprep_close)> profile(
        usprep_openByType(USPREP_RFC4013_SASLPREP, &status), usprep_close);
    if (U_FAILURE(status)) return std::nullopt;
    const icu::UnicodeString given = icu::UnicodeString::fromUTF8(password);
    icu::UnicodeString prepared;
    const int32_t capacity = given.length() * 4 + 16;  // mappings may grow the text
    const int32_t length = usprep_prepare(profile.get(), given.getBuffer(), given.length(),
                                          prepared.getBuffer(capacity), capacity, USPREP_DEFAULT, nullptr, &status);
    prepared.releaseBuffer(U_SUCCESS(status) ? length : 0);
    if (U_FAILURE(status)) return std::nullopt;
    std::string utf8;
    prepared.toUTF8String(utf8);
    if (utf8 == password) return std::nullopt;
    return utf8;
}

}  // namespace zuvediv
