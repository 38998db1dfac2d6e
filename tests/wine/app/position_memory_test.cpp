// The search dialog reopens where it was closed, within the on-screen test.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/program_under_test.h"

namespace {
const wchar_t kSection[] = L"Settings\\WindowPlacement";
const wchar_t kValue[] = L"SearchWindowPos";

std::vector<uint8_t> Record(int32_t x, int32_t y) {
    std::vector<uint8_t> bytes;
    for (int32_t v : {x, y})
        for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> shift));
    return bytes;
}

struct Outcome {
    RECT window;                                 // where the dialog stood
    std::optional<std::vector<uint8_t>> saved;  // the record after closing
};

// Starts the program on what `store` wrote, then `act`s and closes it.
Outcome StartAndClose(const std::function<void()>& store, const std::function<void(HWND)>& act = nullptr) {
    ProgramUnderTest program;
    store();
    program.Start();
    Outcome outcome{};
    GetWindowRect(program.Dialog(), &outcome.window);
    if (act) act(program.Dialog());
    program.Settle();
    PostMessageW(program.Dialog(), WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(program.WaitForExit());
    outcome.saved = program_registry::ReadBinary(kSection, kValue);
    return outcome;
}

std::function<void()> Stored(const std::vector<uint8_t>& record) {
    return [record] { program_registry::WriteBinary(kSection, kValue, record); };
}
}  // namespace

TEST(PositionMemory, StoredCornerIsAppliedAndTheCurrentOneSavedBack) {
    const Outcome outcome = StartAndClose(Stored(Record(100, 50)), [](HWND dialog) {
        SetWindowPos(dialog, nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    });
    EXPECT_EQ(outcome.window.left, 100);
    EXPECT_EQ(outcome.window.top, 50);
    EXPECT_EQ(outcome.saved, Record(123, 77));
}

TEST(PositionMemory, OnScreenTestAtItsBoundaries) {
    const RECT unplaced = StartAndClose([] {}).window;
    const int width = unplaced.right - unplaced.left, height = unplaced.bottom - unplaced.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    ASSERT_GT(work.right - width, 2) << "the screen must be wider than the dialog";
    struct Case { int32_t x, y; bool moved; };
    const Case cases[] = {
        {work.right - width - 1, 10, true},   {work.right - width, 10, false},
        {10, work.bottom - height - 1, true}, {10, work.bottom - height, false},
        {0, 10, false}, {10, 0, false}, {1, 1, true},
    };
    for (const Case& c : cases) {
        const RECT window = StartAndClose(Stored(Record(c.x, c.y))).window;
        const std::pair<LONG, LONG> expected = c.moved ? std::pair<LONG, LONG>(c.x, c.y) : std::pair(unplaced.left, unplaced.top);
        EXPECT_EQ(std::pair(window.left, window.top), expected) << c.x << "," << c.y;
    }
}

// Too short, too long or of the wrong type: not applied, and an 8-byte record replaces it.
TEST(PositionMemory, MalformedRecordsAreNotAppliedAndAreReplaced) {
    const RECT unplaced = StartAndClose([] {}).window;
    for (const auto& store : {Stored(std::vector<uint8_t>(12, 0x20)), Stored({0x64, 0, 0, 0, 0x32}),
                              std::function<void()>([] { program_registry::WriteInt(kSection, kValue, 0x00320064); })}) {
        const Outcome outcome = StartAndClose(store);
        EXPECT_EQ(std::pair(outcome.window.left, outcome.window.top), std::pair(unplaced.left, unplaced.top));
        ASSERT_TRUE(outcome.saved.has_value());
        EXPECT_EQ(outcome.saved->size(), 8u);
    }
}
