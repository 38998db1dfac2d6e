#pragma once
// A worker reads the parts of a split document one after another: the
// document stays open between them rather than being parsed for each.
#include <string>

#include "pdf/pdf_open.h"

namespace zuvediv {

class KeptPdf {
public:
    // The document as open_pdf() opens it; the kept one if it is the same.
    OpenedPdf& open(const std::string& path, const std::string& password);
    void release();

private:
    bool kept_ = false;
    std::string path_, password_;
    OpenedPdf pdf_;
};

}  // namespace zuvediv
