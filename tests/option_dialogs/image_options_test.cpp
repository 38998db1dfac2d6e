#include "option_dialogs/image_options.h"

#include <gtest/gtest.h>

#include "support/memory_profile.h"

TEST(ImageOptions, LoadClampsEachReadingAndTakesTheWrongTypeAsMissing) {
    struct Case { const wchar_t* name; MemoryProfile::Value stored; int32_t opacity; uint32_t width; int32_t signedWidth; uint32_t colourRef; };
    const uint32_t minus5 = static_cast<uint32_t>(-5);
    const Case cases[] = {
        {L"Nothing", 0u, 10, 1, 1, 0x0000FF},          {L"alphavalue", 1u, 2, 1, 1, 0x0000FF},
        {L"AlphaValue", 2u, 2, 1, 1, 0x0000FF},        {L"AlphaValue", 11u, 10, 1, 1, 0x0000FF},
        {L"AlphaValue", minus5, 2, 1, 1, 0x0000FF},    {L"AlphaValue", std::wstring(L"3"), 10, 1, 1, 0x0000FF},
        {L"WidthValue", 0u, 10, 1, 1, 0x0000FF},       {L"WidthValue", 100u, 10, 100, 100, 0x0000FF},
        {L"WidthValue", 101u, 10, 100, 100, 0x0000FF}, {L"WidthValue", minus5, 10, 100, 1, 0x0000FF},
        {L"ColorRefValue", 0xFFFFFFu, 10, 1, 1, 0xFFFFFF}, {L"ColorRefValue", 0x01000000u, 10, 1, 1, 0xFFFFFF},
        {L"ColorRefValue", std::vector<uint8_t>{0, 0xFF, 0, 0}, 10, 1, 1, 0x0000FF},
    };
    for (const Case& c : cases) {
        MemoryProfile p;
        p.Put(L"Settings", c.name, c.stored);
        EXPECT_EQ(std::tuple(LoadOpacity(p), LoadFrameWidthUnsigned(p), LoadFrameWidthSigned(p), LoadFrameColourRef(p)),
                  std::tuple(c.opacity, c.width, c.signedWidth, c.colourRef))
            << testing::PrintToString(std::wstring(c.name)) << " " << testing::PrintToString(c.stored);
    }
}

TEST(ImageOptions, SavedValuesReadBackAndColoursSwapRedAndBlue) {
    MemoryProfile p;
    SaveOpacity(p, 7);
    SaveFrame(p, 42, 0x123456);
    EXPECT_EQ(p.writes, (std::vector<std::wstring>{L"settings\\alphavalue", L"settings\\widthvalue", L"settings\\colorrefvalue"}));
    EXPECT_EQ(std::tuple(LoadOpacity(p), LoadFrameWidthSigned(p), LoadFrameColourRef(p)), std::tuple(7, 42, 0x123456u));
    EXPECT_EQ(ColourRefToRgb(0xAB123456u), 0x563412u) << "red and blue swap, the top byte is cleared";
}
