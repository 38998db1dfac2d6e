#include "option_dialogs/image_options.h"

#include <gtest/gtest.h>

#include "support/memory_profile.h"

TEST(ImageOptions, LoadClampsEachReading) {
    // Each reading of what is stored under one name; the others are missing.
    // Negative values, read signed and unsigned, are shown under Wine.
    struct Case { const char* name; const wchar_t* valueName; MemoryProfile::Value stored; int32_t opacity; uint32_t width; int32_t signedWidth; uint32_t colourRef; };
    const Case cases[] = {
        {"nothing stored", L"Nothing", 0u, 10, 1, 1, 0x0000FF},
        {"opacity below the range", L"AlphaValue", 1u, 2, 1, 1, 0x0000FF},
        {"lowest opacity", L"AlphaValue", 2u, 2, 1, 1, 0x0000FF},
        {"opacity above the range", L"AlphaValue", 11u, 10, 1, 1, 0x0000FF},
        {"width 0", L"WidthValue", 0u, 10, 1, 1, 0x0000FF},
        {"widest", L"WidthValue", 100u, 10, 100, 100, 0x0000FF},
        {"width above the range", L"WidthValue", 101u, 10, 100, 100, 0x0000FF},
        {"white", L"ColorRefValue", 0xFFFFFFu, 10, 1, 1, 0xFFFFFF},
        {"above white", L"ColorRefValue", 0x01000000u, 10, 1, 1, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        MemoryProfile p;
        p.Put(L"Settings", c.valueName, c.stored);
        EXPECT_EQ(std::tuple(LoadOpacity(p), LoadFrameWidthUnsigned(p), LoadFrameWidthSigned(p), LoadFrameColourRef(p)),
                  std::tuple(c.opacity, c.width, c.signedWidth, c.colourRef))
            << c.name;
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
