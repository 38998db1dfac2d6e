#include "app/position_record.h"

#include <gtest/gtest.h>

TEST(PositionRecord, EncodesLeftThenTopLittleEndian) {
    EXPECT_EQ(EncodePositionRecord({100, 50}), (std::vector<uint8_t>{0x64, 0, 0, 0, 0x32, 0, 0, 0}));
    EXPECT_EQ(EncodePositionRecord({-2, 1}), (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}));
}

TEST(PositionRecord, DecodesByLength) {
    const auto point = DecodePositionRecord({0x64, 0, 0, 0, 0x32, 0, 0, 0});
    ASSERT_TRUE(point);
    EXPECT_EQ(point->x, 100);
    EXPECT_EQ(point->y, 50);
    const auto negative = DecodePositionRecord(EncodePositionRecord({-1920, -5}));
    ASSERT_TRUE(negative);
    EXPECT_EQ(negative->x, -1920);
    EXPECT_EQ(negative->y, -5);

    for (std::size_t size = 0; size < 8; ++size)
        EXPECT_FALSE(DecodePositionRecord(std::vector<uint8_t>(size, 1))) << size << " bytes count as missing";
    const auto longer = DecodePositionRecord(std::vector<uint8_t>(12, 1));
    ASSERT_TRUE(longer);
    EXPECT_EQ(longer->x, 0);
    EXPECT_EQ(longer->y, 0);
}

TEST(PositionRecord, WholeWindowTestIsStrict) {
    const ScreenRect work{0, 0, 1920, 1040};
    const ScreenRect window{10, 20, 510, 620};  // 500 x 600, wherever it was placed
    struct Case { int32_t x, y; bool fits; };
    const Case cases[] = {
        {100, 50, true},   {1419, 50, true}, {1420, 50, false},  // x + width == right is refused
        {100, 439, true},  {100, 440, false},
        {0, 50, false},    {1, 1, true},     {100, 0, false}, {-100, 50, false}, {100, -1, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitsWholeWindow({c.x, c.y}, work, window), c.fits) << c.x << "," << c.y;
}

TEST(PositionRecord, FirstPlacementTestUsesTheCurrentEdges) {
    const ScreenRect work{0, 0, 1920, 1040};
    const ScreenRect window{300, 200, 570, 400};  // first placed at 300..570
    struct Case { int32_t x, y; bool fits; };
    const Case cases[] = {
        {1349, 100, true}, {1350, 100, false},  // bound is 1920 - 570, not 1920 - 270
        {100, 639, true},  {100, 640, false},   {0, 100, false}, {100, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FitsFirstPlacement({c.x, c.y}, work, window), c.fits) << c.x << "," << c.y;
}

TEST(PositionRecord, ExtremeValuesDoNotOverflow) {
    const ScreenRect work{0, 0, 1920, 1040};
    const ScreenRect window{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    EXPECT_FALSE(FitsWholeWindow({INT32_MAX, INT32_MAX}, work, window));
    // 1920 - INT32_MIN does not fit in 32 bits; the bound must still come out right.
    EXPECT_TRUE(FitsFirstPlacement({INT32_MAX, INT32_MAX}, work, ScreenRect{0, 0, INT32_MIN, INT32_MIN}));
}
