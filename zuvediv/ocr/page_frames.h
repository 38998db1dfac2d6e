#pragma once
// The recogniser reads the page image turned by quarter turns, or a block
// of it cut out and turned; a Placement carries what it read there back
// onto the page image.
#include "ocr/grey_page.h"
#include "ocr/recognition.h"

namespace zuvediv {

struct Placement {
    // A point (u, v) of the image read lies at (xx u + xy v + x0, yx u + yy v + y0) on the page.
    double xx = 1, xy = 0, x0 = 0;
    double yx = 0, yy = 1, y0 = 0;
    int turns = 0;  // quarter turns clockwise from the page to the image read

    Box on_page(const Box& box) const;
    // Where an image placed by inner within this one lies on the page.
    Placement then(const Placement& inner) const;
};

// Turned clockwise; width and height are those before turning.
GreyImage turned(const GreyImage& image, int quarter_turns);
Placement turned_placement(int quarter_turns, int width, int height);

// The part of the image within box, cut on whole pixels.
GreyImage cut_out(const GreyImage& image, const Box& box);
Placement cut_placement(const GreyImage& image, const Box& box);

// Boxes and reading directions onto the page.
void move_onto_page(Recognition& reading, const Placement& placement);

}  // namespace zuvediv
