#include "option_dialogs/option_values.h"

#include <gtest/gtest.h>

TEST(OptionValues, ColoursSwapRedAndBlueAndStayAtMostWhite) {
    struct Case { uint32_t colourRef, rgb; };
    const Case cases[] = {
        {0x0000FF, 0xFF0000},  // red
        {0xFF0000, 0x0000FF},  // blue
        {0x00FF00, 0x00FF00},  // green stays
        {0xFFFFFF, 0xFFFFFF},  // white
        {0x123456, 0x563412},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ColourRefToRgb(c.colourRef), c.rgb) << std::hex << c.colourRef;
        EXPECT_EQ(RgbToColourRef(c.rgb), c.colourRef) << std::hex << c.rgb;
    }
    EXPECT_EQ(ColourRefToRgb(0xAB0000FFu), 0xFF0000u) << "the top byte is cleared";
    // Colours above white become white.
    for (uint32_t stored : {0xFFFFFFu, 0x01000000u, 0xFFFFFFFFu}) EXPECT_EQ(ClampColour(stored), 0xFFFFFFu) << stored;
    EXPECT_EQ(ClampColour(0xFF), 0xFFu);
}

TEST(OptionValues, OpacityIsReadSigned) {
    const std::pair<uint32_t, int32_t> cases[] = {{1, 2}, {2, 2}, {5, 5}, {10, 10}, {11, 10},
                                                  {static_cast<uint32_t>(-5), 2}, {0x80000000u, 2}};
    for (const auto& [stored, expected] : cases) EXPECT_EQ(ClampOpacity(stored), expected) << stored;
}

TEST(OptionValues, FrameWidthUnsignedAndSignedReadings) {
    const uint32_t minusOne = 0xFFFFFFFFu;
    const std::pair<uint32_t, uint32_t> unsignedCases[] = {{0, 1}, {1, 1}, {100, 100}, {101, 100}, {minusOne, 100}};
    for (const auto& [stored, expected] : unsignedCases) EXPECT_EQ(ClampFrameWidthUnsigned(stored), expected) << stored;
    const std::pair<uint32_t, int32_t> signedCases[] = {{0, 1}, {250, 100}, {static_cast<uint32_t>(-5), 1}, {7, 7}};
    for (const auto& [stored, expected] : signedCases) EXPECT_EQ(ClampFrameWidthSigned(stored), expected) << stored;
}
