#pragma once
// Small PDFs written out by hand: the warm-up document, and test documents
// that a drawing library cannot make (damaged or hostile ones).
#include <string>
#include <vector>

namespace zuvediv {

// A PDF of these objects, numbered from 1 in order, with a valid
// cross-reference table; object 1 is the catalogue.
std::string assemble_pdf(const std::vector<std::string>& objects);

}  // namespace zuvediv
