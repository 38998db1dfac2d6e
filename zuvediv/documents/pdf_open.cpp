#include "documents/pdf_open.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace zuvediv {
namespace {

// Readers accept the header anywhere in the first kilobyte.
constexpr size_t kHeaderWindow = 1024;

}  // namespace

std::string describe(OpenFailure failure) {
    switch (failure) {
        case OpenFailure::unreadable: return "ファイルを読めません";
        case OpenFailure::not_pdf: return "PDF ファイルではありません";
        case OpenFailure::damaged: return "PDF が壊れていて開けません";
        case OpenFailure::needs_password: return "パスワードが必要です (-p で指定してください)";
        case OpenFailure::wrong_password: return "パスワードが違います";
        case OpenFailure::none: break;
    }
    return "";
}

OpenedPdf open_pdf(const std::string& path, const std::string& password) {
    OpenedPdf result;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        result.failure = OpenFailure::unreadable;
        result.detail = std::strerror(errno);
        return result;
    }
    char head[kHeaderWindow];
    const size_t got = std::fread(head, 1, sizeof head, file);
    const bool read_error = std::ferror(file) != 0;
    const int read_errno = errno;
    std::fclose(file);
    if (read_error) {
        result.failure = OpenFailure::unreadable;
        result.detail = std::strerror(read_errno);
        return result;
    }
    if (std::string_view(head, got).find("%PDF-") == std::string_view::npos) {
        result.failure = OpenFailure::not_pdf;
        return result;
    }
    // The password may be either the user or the owner password.
    result.document.reset(poppler::document::load_from_file(path, password, password));
    if (!result.document) {
        result.failure = OpenFailure::damaged;
        return result;
    }
    // unlock() reports success on failure in this poppler, and
    // is_encrypted() is false while locked: is_locked() is the one to trust.
    if (result.document->is_locked()) {
        result.failure = password.empty() ? OpenFailure::needs_password : OpenFailure::wrong_password;
        result.document.reset();
    }
    return result;
}

}  // namespace zuvediv
