// Each option dialog stores where it was closed and reopens there.
#include <gtest/gtest.h>

#include "option_dialogs/option_dialog.h"
#include "resources/resource.h"

namespace {
struct Dialog {
    int command;
    const std::wstring* caption;
    const wchar_t* valueName;
};

class OptionPosition : public ::testing::TestWithParam<Dialog> {};

std::vector<uint8_t> Record(int x, int y) {
    std::vector<uint8_t> bytes(8);
    for (int i = 0; i < 4; ++i) {
        bytes[i] = static_cast<uint8_t>(static_cast<uint32_t>(x) >> (8 * i));
        bytes[4 + i] = static_cast<uint8_t>(static_cast<uint32_t>(y) >> (8 * i));
    }
    return bytes;
}
}  // namespace

TEST_P(OptionPosition, WrittenOnCloseAndUsedOnReopening) {
    const std::wstring section = L"Settings\\WindowPlacement";
    const Dialog& d = GetParam();
    ProgramUnderTest program;
    program.Start();
    // Opens, checks where it stands, closes, and returns the record written then.
    const auto openAt = [&](int x, int y) {
        OptionDialog dialog(program, *d.caption, d.command);
        const RECT rect = dialog.Rect();
        if (x >= 0) { EXPECT_EQ(std::make_pair(rect.left, rect.top), std::make_pair(LONG{x}, LONG{y})); }
        dialog.Press(IDCANCEL);
        EXPECT_TRUE(dialog.WaitClosed());
        return std::make_pair(rect, program_registry::ReadBinary(section, d.valueName));
    };
    const auto [placed, first] = openAt(-1, -1);
    EXPECT_EQ(first, Record(placed.left, placed.top));

    // A corner that passes the test is used, and written back as it is.
    const int x = placed.left + 37, y = placed.top + 23;
    program_registry::WriteBinary(section, d.valueName, Record(x, y));
    EXPECT_EQ(openAt(x, y).second, Record(x, y));

    // A record of 12 bytes is not used and is replaced by 8 bytes.
    auto longRecord = Record(x + 5, y + 5);
    longRecord.resize(12);
    program_registry::WriteBinary(section, d.valueName, longRecord);
    EXPECT_EQ(openAt(placed.left, placed.top).second, Record(placed.left, placed.top));
}

INSTANTIATE_TEST_SUITE_P(ThreeDialogs, OptionPosition,
                         ::testing::Values(Dialog{ID_SETTINGS_PASSWORD, &kPasswordCaption, L"PswdDlgPos"},
                                           Dialog{ID_SETTINGS_FRAME, &kFrameCaption, L"RectangleDlgPos"},
                                           Dialog{ID_SETTINGS_OPACITY, &kOpacityCaption, L"AlphaDlgPos"}));
