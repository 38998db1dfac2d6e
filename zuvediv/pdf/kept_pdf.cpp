#include "pdf/kept_pdf.h"

namespace zuvediv {

OpenedPdf& KeptPdf::open(const std::string& path, const std::string& password) {
    if (kept_ && path == path_ && password == password_) return pdf_;
    pdf_ = open_pdf(path, password);
    kept_ = true;
    path_ = path;
    password_ = password;
    return pdf_;
}

void KeptPdf::release() {
    pdf_ = OpenedPdf{};
    kept_ = false;
}

}  // namespace zuvediv
