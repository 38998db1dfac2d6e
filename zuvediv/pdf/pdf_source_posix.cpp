#include "pdf/pdf_source.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zuvediv {

struct PdfSource::File {
    std::string path;
};

std::string PdfSource::open(const std::string& path, size_t head_bytes) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::strerror(errno);
    head_.resize(head_bytes);
    head_.resize(std::fread(&head_[0], 1, head_.size(), file));
    const bool read_error = std::ferror(file) != 0;
    const int read_errno = errno;
    std::fclose(file);
    if (read_error) return std::strerror(read_errno);
    file_ = std::make_shared<const File>(File{path});
    return "";
}

PdfDocument PdfSource::load(const std::string& password) const {
    return PdfDocument(poppler::document::load_from_file(file_->path, password, password));
}

}  // namespace zuvediv
