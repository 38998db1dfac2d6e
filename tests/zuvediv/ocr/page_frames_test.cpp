// What the recogniser reads in a turned page image, or in a block cut out
// of it and turned, lands where it lies on the page, running the way it
// runs there.
#include <gtest/gtest.h>

#include "ocr/page_frames.h"

namespace zuvediv {
namespace {

// 7 × 5 pixels of paper with one dot of ink at (5, 1).
GreyImage page_with_a_dot() {
    GreyImage page{7, 5, 7, std::vector<uint8_t>(35, 255)};
    page.pixels[1 * 7 + 5] = 0;
    return page;
}

Box dot_in(const GreyImage& image) {
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
            if (image.row(y)[x] == 0) return {double(x), double(y), x + 1.0, y + 1.0};
    return {};
}

void expect_box(const Box& got, const Box& wanted, const std::string& name) {
    EXPECT_DOUBLE_EQ(got.x0, wanted.x0) << name;
    EXPECT_DOUBLE_EQ(got.y0, wanted.y0) << name;
    EXPECT_DOUBLE_EQ(got.x1, wanted.x1) << name;
    EXPECT_DOUBLE_EQ(got.y1, wanted.y1) << name;
}

TEST(PageFrames, WhatIsReadInATurnedImageLandsWhereItLiesOnThePage) {
    const GreyImage page = page_with_a_dot();
    const Box dot{5, 1, 6, 2};
    for (int turns = 0; turns < 4; ++turns) {
        const std::string name = std::to_string(turns) + " quarter turns";
        const GreyImage image = turned(page, turns);
        EXPECT_EQ(image.width, turns % 2 ? 5 : 7) << name;
        expect_box(turned_placement(turns, 7, 5).on_page(dot_in(image)), dot, name);
        // The block around the dot cut out, then turned a quarter back, as vertical text is read.
        const Box block = turned_placement((4 - turns) % 4, image.width, image.height).on_page({3, 0, 7, 3});
        const GreyImage part = cut_out(image, block);
        const Placement placement =
            turned_placement(turns, 7, 5).then(cut_placement(image, block)).then(turned_placement(3, part.width, part.height));
        expect_box(placement.on_page(dot_in(turned(part, 3))), dot, name + ", a block cut out and turned back");
    }
}

TEST(PageFrames, LinesRunOnThePageAsTurnedBack) {
    struct Case { const char* name; int turns_of_image_read, direction_on_page; };
    const Case cases[] = {{"upright", 0, 0}, {"a quarter", 1, 3}, {"upside down", 2, 2}, {"three quarters", 3, 1}};
    for (const Case& c : cases) {
        Recognition reading;
        reading.blocks.push_back({{RecognisedLine{}}, {}, false});
        move_onto_page(reading, turned_placement(c.turns_of_image_read, 10, 10));
        EXPECT_EQ(reading.blocks[0].lines[0].direction, c.direction_on_page) << c.name;
    }
}

}  // namespace
}  // namespace zuvediv
