#include "app/position_record.h"

#include <gtest/gtest.h>

TEST(PositionRecord, EncodesLeftThenTopLittleEndianAndDecodesByLength) {
    const std::vector<uint8_t> record{0x64, 0, 0, 0, 0x32, 0, 0, 0};
    EXPECT_EQ(EncodePositionRecord({100, 50}), record);
    EXPECT_EQ(EncodePositionRecord({-2, 1}), (std::vector<uint8_t>{0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 0, 0}));
    for (const auto& [bytes, x, y] : {std::tuple{record, 100, 50}, std::tuple{EncodePositionRecord({-1920, -5}), -1920, -5},
                                      std::tuple{std::vector<uint8_t>(12, 1), 0, 0}}) {  // longer: zero point
        const auto point = DecodePositionRecord(bytes);
        ASSERT_TRUE(point) << bytes.size();
        EXPECT_EQ(std::pair(point->x, point->y), std::pair(x, y)) << bytes.size();
    }
    for (std::size_t size = 0; size < 8; ++size)
        EXPECT_FALSE(DecodePositionRecord(std::vector<uint8_t>(size, 1))) << size << " bytes count as missing";
}

TEST(PositionRecord, OnScreenTestsAtTheirBoundaries) {
    const ScreenRect work{0, 0, 1920, 1040};
    const ScreenRect window{10, 20, 510, 620};  // 500 x 600, wherever it was placed
    const ScreenRect first{300, 200, 570, 400};  // first placed at 300..570
    struct Case { bool whole; int32_t x, y; bool fits; };
    const Case cases[] = {
        {true, 100, 50, true},   {true, 1419, 50, true}, {true, 1420, 50, false},  // x + width == right is refused
        {true, 100, 439, true},  {true, 100, 440, false}, {true, 0, 50, false},    {true, 1, 1, true},
        {true, 100, 0, false},   {true, -100, 50, false}, {true, 100, -1, false},
        {false, 1349, 100, true}, {false, 1350, 100, false},  // bound is 1920 - 570, not 1920 - 270
        {false, 100, 639, true},  {false, 100, 640, false},   {false, 0, 100, false}, {false, 100, 0, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.whole ? FitsWholeWindow({c.x, c.y}, work, window) : FitsFirstPlacement({c.x, c.y}, work, first),
                  c.fits) << c.whole << ": " << c.x << "," << c.y;
    // 1920 - INT32_MIN does not fit in 32 bits; the bounds must still come out right.
    EXPECT_FALSE(FitsWholeWindow({INT32_MAX, INT32_MAX}, work, {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}));
    EXPECT_TRUE(FitsFirstPlacement({INT32_MAX, INT32_MAX}, work, ScreenRect{0, 0, INT32_MIN, INT32_MIN}));
}
