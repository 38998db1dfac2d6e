#include "winlayer/position_record.h"

#include <gtest/gtest.h>

TEST(PositionRecord, LeftThenTopLittleEndianAndEveryOtherLengthIsMissingOrZero) {
    const std::vector<uint8_t> record{0xFE, 0xFF, 0xFF, 0xFF, 0x32, 0, 0, 0};
    EXPECT_EQ(EncodePositionRecord({-2, 50}), record);
    const auto point = DecodePositionRecord(record);
    EXPECT_EQ(point ? std::pair(point->x, point->y) : std::pair(9, 9), std::pair(-2, 50));
    const auto longer = DecodePositionRecord(std::vector<uint8_t>(12, 1));
    EXPECT_EQ(longer ? std::pair(longer->x, longer->y) : std::pair(9, 9), std::pair(0, 0));
    for (std::size_t size = 0; size < 8; ++size) EXPECT_FALSE(DecodePositionRecord(std::vector<uint8_t>(size, 1))) << size;
}

TEST(PositionRecord, OnScreenTestsAtTheirBoundariesAndExtremes) {
    const ScreenRect work{0, 0, 1920, 1040}, window{10, 20, 510, 620};  // 500 x 600, wherever it was placed
    const ScreenRect first{300, 200, 570, 400};  // the option dialog's first placement
    // The right and bottom limits are shown under Wine too, where an option
    // dialog's first placement does not tell its right edge from its width.
    struct Case { const char* name; bool wholeWindow; int32_t x, y; bool fits; };
    const Case cases[] = {
        {"search dialog just inside the top left", true, 1, 1, true},
        {"search dialog on the left edge", true, 0, 50, false},
        {"search dialog on the top edge", true, 100, 0, false},
        {"search dialog off the left", true, -100, 50, false},
        {"option dialog one past the right: 1920 - 570, not - 270", false, 1350, 100, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.wholeWindow ? FitsWholeWindow({c.x, c.y}, work, window) : FitsFirstPlacement({c.x, c.y}, work, first), c.fits)
            << c.name;
    // 1920 - INT32_MIN does not fit in 32 bits; the bounds must still come out right.
    EXPECT_FALSE(FitsWholeWindow({INT32_MAX, INT32_MAX}, work, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}));
    EXPECT_TRUE(FitsFirstPlacement({INT32_MAX, INT32_MAX}, work, ScreenRect{0, 0, INT32_MIN, INT32_MIN}));
}
