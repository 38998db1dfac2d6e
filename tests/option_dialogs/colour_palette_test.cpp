#include "winlayer/colour_palette.h"

#include <gtest/gtest.h>

#include <set>

TEST(ColourPalette, HoldsDistinctColoursIncludingThePureOnes) {
    const auto& colours = DefaultPaletteColours();
    EXPECT_EQ(colours.size() % 5, 0u) << "full rows of five";
    EXPECT_EQ(std::set<uint32_t>(colours.begin(), colours.end()).size(), colours.size());
    for (uint32_t wanted : {0x0000FFu /* red */, 0xFF0000u /* blue */, 0x000000u, 0xFFFFFFu})
        EXPECT_GE(FindPaletteColour(colours, wanted), 0) << std::hex << wanted;
    for (uint32_t c : colours) EXPECT_EQ(c & 0xFF000000u, 0u);
    EXPECT_EQ(FindPaletteColour(colours, 0x123457), -1);
}

TEST(ColourPalette, EveryItemIsFoundAtItsOwnRectangle) {
    const PaletteLayout layout(20, 5, 16, 20, true);
    EXPECT_EQ(layout.Rows(), 4);
    EXPECT_EQ(layout.ItemCount(), 21);
    for (int item = 0; item < layout.ItemCount(); ++item) {
        const PaletteRect r = layout.ItemRect(item);
        EXPECT_EQ(layout.ItemAt(r.left, r.top), item);
        EXPECT_EQ(layout.ItemAt(r.right - 1, r.bottom - 1), item);
        EXPECT_LE(r.right, layout.Width());
        EXPECT_LE(r.bottom, layout.Height());
    }
    // Cells run in rows of five: item 6 sits below item 1.
    EXPECT_EQ(layout.ItemRect(6).left, layout.ItemRect(1).left);
    EXPECT_EQ(layout.ItemRect(6).top, layout.ItemRect(1).bottom);
    EXPECT_EQ(layout.ItemAt(0, 0), -1) << "the margin is no item";
    EXPECT_EQ(layout.ItemAt(layout.Width(), layout.Height()), -1);
}

TEST(ColourPalette, KeyboardMoves) {
    const PaletteLayout full(20, 5, 16, 20, true);
    const PaletteLayout without(20, 5, 16, 20, false);  // no "other colours" button: ends after the cells
    EXPECT_LT(without.Height(), full.Height());
    EXPECT_EQ(without.ItemCount(), 20);
    const PaletteLayout shortRow(7, 5, 16, 20, true);  // rows of 5 and 2
    struct Case {
        const PaletteLayout* layout;
        int from;
        PaletteMove move;
        int to;
    };
    const Case cases[] = {
        {&full, 0, PaletteMove::Left, 0},    {&full, 0, PaletteMove::Up, 0},
        {&full, 5, PaletteMove::Down, 10},   {&full, 6, PaletteMove::Right, 7},
        {&full, 19, PaletteMove::Right, 19}, {&full, 17, PaletteMove::Down, 20},
        {&full, 20, PaletteMove::Up, 15},    {&full, 20, PaletteMove::Down, 20},
        {&full, 20, PaletteMove::Left, 20},  {&full, 12, PaletteMove::Up, 7},
        {&shortRow, 3, PaletteMove::Down, 6}, {&shortRow, 6, PaletteMove::Down, 7},
        {&shortRow, 7, PaletteMove::Up, 5},   {&shortRow, 6, PaletteMove::Right, 6},
        {&without, 17, PaletteMove::Down, 17}, {&full, -1, PaletteMove::Down, 0},   {&full, 99, PaletteMove::Left, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.layout->Move(c.from, c.move), c.to) << c.from << " move " << static_cast<int>(c.move);
}
