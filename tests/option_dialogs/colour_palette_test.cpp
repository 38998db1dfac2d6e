#include "winlayer/colour_palette.h"

#include <gtest/gtest.h>

#include <set>

TEST(ColourPalette, DistinctColoursAndEveryItemFoundAtItsOwnRectangle) {
    const auto& colours = DefaultPaletteColours();
    EXPECT_EQ(std::set<uint32_t>(colours.begin(), colours.end()).size(), colours.size());
    for (uint32_t wanted : {0x0000FFu /* red */, 0xFF0000u /* blue */, 0x000000u, 0xFFFFFFu})
        EXPECT_GE(FindPaletteColour(colours, wanted), 0) << std::hex << wanted;
    EXPECT_EQ(FindPaletteColour(colours, 0x123457), -1);
    const PaletteLayout layout(20, 5, 16, 20, true);
    for (int item = 0; item < layout.ItemCount(); ++item) {
        const PaletteRect r = layout.ItemRect(item);
        EXPECT_EQ(std::pair(layout.ItemAt(r.left, r.top), layout.ItemAt(r.right - 1, r.bottom - 1)), std::pair(item, item));
        EXPECT_NE(layout.ItemAt(r.right, r.top), item);
        EXPECT_TRUE(r.right <= layout.Width() && r.bottom <= layout.Height()) << item;
    }
    EXPECT_EQ(std::pair(layout.ItemRect(6).left, layout.ItemRect(6).top), std::pair(layout.ItemRect(1).left, layout.ItemRect(1).bottom));
    EXPECT_EQ(layout.ItemAt(0, 0), -1) << "the margin is no item";
}

TEST(ColourPalette, KeyboardMovesStopAtTheEdges) {
    const PaletteLayout full(20, 5, 16, 20, true), without(20, 5, 16, 20, false), shortRow(7, 5, 16, 20, true);
    using M = PaletteMove;
    struct Case { const PaletteLayout* layout; int from; PaletteMove move; int to; };
    const Case cases[] = {
        {&full, 0, M::Left, 0},      {&full, 0, M::Up, 0},        {&full, 19, M::Right, 19},  {&full, 17, M::Down, 20},
        {&full, 20, M::Up, 15},      {&full, 20, M::Down, 20},    {&full, 20, M::Left, 20},   {&full, 12, M::Up, 7},
        {&shortRow, 3, M::Down, 6},  {&shortRow, 6, M::Down, 7},  {&shortRow, 7, M::Up, 5},   {&shortRow, 6, M::Right, 6},
        {&without, 17, M::Down, 17}, {&full, -1, M::Down, 0},     {&full, 99, M::Left, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(c.layout->Move(c.from, c.move), c.to) << c.from << " move " << static_cast<int>(c.move);
}
