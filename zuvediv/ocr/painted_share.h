#pragma once
// How much of a page is covered by something drawn (a scanned image, a
// filled shape, text) rather than left as bare paper.
namespace poppler { class page; }

namespace zuvediv {

// From 0 (bare paper) to 1, measured on a coarse drawing of the page.
double painted_share(const poppler::page& page);

}  // namespace zuvediv
