// The search dialog reopens where it was closed, within the on-screen test.
#include <gtest/gtest.h>

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

RECT WorkArea() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return work;
}

// Starts the program with the given record stored and returns where its window stands.
RECT StartWith(const std::vector<uint8_t>* record, bool closeAfter = true) {
    ProgramUnderTest program;
    if (record) program_registry::WriteBinary(kSection, kValue, *record);
    program.Start();
    RECT window{};
    GetWindowRect(program.Dialog(), &window);
    if (closeAfter) {
        PostMessageW(program.Dialog(), WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(program.WaitForExit());
    }
    return window;
}
}  // namespace

TEST(PositionMemory, StoredCornerIsAppliedAndSavedBack) {
    ProgramUnderTest program;
    program_registry::WriteBinary(kSection, kValue, Record(100, 50));
    program.Start();
    RECT window{};
    GetWindowRect(program.Dialog(), &window);
    EXPECT_EQ(window.left, 100);
    EXPECT_EQ(window.top, 50);

    SetWindowPos(program.Dialog(), nullptr, 123, 77, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    program.Settle();
    PostMessageW(program.Dialog(), WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(program.WaitForExit());
    EXPECT_EQ(program_registry::ReadBinary(kSection, kValue), Record(123, 77));
}

TEST(PositionMemory, OnScreenTestAtItsBoundaries) {
    const RECT unplaced = StartWith(nullptr);
    const int width = unplaced.right - unplaced.left;
    const int height = unplaced.bottom - unplaced.top;
    const RECT work = WorkArea();
    ASSERT_GT(work.right - width, 2) << "the screen must be wider than the dialog";

    struct Case { int32_t x, y; bool moved; };
    const Case cases[] = {
        {work.right - width - 1, 10, true},  {work.right - width, 10, false},
        {10, work.bottom - height - 1, true}, {10, work.bottom - height, false},
        {0, 10, false}, {10, 0, false}, {-50, 10, false}, {1, 1, true},
    };
    for (const Case& c : cases) {
        const std::vector<uint8_t> record = Record(c.x, c.y);
        const RECT window = StartWith(&record);
        if (c.moved) {
            EXPECT_EQ(window.left, c.x) << c.x << "," << c.y;
            EXPECT_EQ(window.top, c.y) << c.x << "," << c.y;
        } else {
            EXPECT_EQ(window.left, unplaced.left) << c.x << "," << c.y;
            EXPECT_EQ(window.top, unplaced.top) << c.x << "," << c.y;
        }
    }
}

TEST(PositionMemory, MalformedRecordsAreNotAppliedAndAreReplaced) {
    const RECT unplaced = StartWith(nullptr);
    for (const std::vector<uint8_t>& record :
         {std::vector<uint8_t>(12, 0x20), std::vector<uint8_t>{0x64, 0, 0, 0, 0x32}, std::vector<uint8_t>{}}) {
        ProgramUnderTest program;
        program_registry::WriteBinary(kSection, kValue, record);
        program.Start();
        RECT window{};
        GetWindowRect(program.Dialog(), &window);
        EXPECT_EQ(window.left, unplaced.left) << record.size() << " bytes";
        EXPECT_EQ(window.top, unplaced.top) << record.size() << " bytes";
        PostMessageW(program.Dialog(), WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(program.WaitForExit());
        const auto saved = program_registry::ReadBinary(kSection, kValue);
        ASSERT_TRUE(saved.has_value());
        EXPECT_EQ(saved->size(), 8u);
    }
}

TEST(PositionMemory, RecordOfTheWrongTypeCountsAsMissing) {
    ProgramUnderTest program;
    program_registry::WriteInt(kSection, kValue, 0x00320064);
    program.Start();
    RECT window{};
    GetWindowRect(program.Dialog(), &window);
    EXPECT_NE(window.left, 100);
}
