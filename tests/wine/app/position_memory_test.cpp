// Every dialog but the About box reopens where it was closed when that corner
// passes its on-screen test, and every way of closing stores the corner.
#include <gtest/gtest.h>

#include "resources/resource.h"
#include "support/program_under_test.h"
#include "winlayer/position_record.h"

namespace {
using namespace program_registry;

struct Placed {
    const char* name;
    const wchar_t* valueName;
    int command;  // opens an option dialog; none: the search dialog itself
    std::wstring caption;
};
const Placed kDialogs[] = {
    {"Search", L"SearchWindowPos", 0, L""},
    {"Password", L"PswdDlgPos", ID_SETTINGS_PASSWORD, L"パスワード設定"},
    {"Frame", L"RectangleDlgPos", ID_SETTINGS_FRAME, L"枠線設定"},
    {"Opacity", L"AlphaDlgPos", ID_SETTINGS_OPACITY, L"画像透明度"},
};

// The search dialog's ways of ending the program, taken in turn.
void EndProgram(const ProgramUnderTest& program, int way) {
    switch (way % 5) {
    case 0: program.Press(IDCANCEL); break;
    case 1: program.PostCommand(ID_FILE_EXIT); break;
    case 2: program.PostKey(IDCANCEL, VK_ESCAPE); break;
    case 3: program.PostCloseBox(); break;
    default:  // without an input path Close stays the default button
        program.SetText(IDC_SEARCH_STRING, L"abc");
        program.PostKey(IDC_SEARCH_STRING, VK_RETURN);
    }
    EXPECT_TRUE(program.WaitForExit()) << "way " << way;
}

class PositionMemory : public ::testing::TestWithParam<Placed> {};
}  // namespace

TEST_P(PositionMemory, CornersThatPassTheTestAreUsedAndEveryClosingStoresOne) {
    const Placed& d = GetParam();
    ProgramUnderTest program;
    if (d.command) program.Start();
    int closings = 0;
    const auto openAndClose = [&] {
        RECT rect{};
        if (d.command) {
            const RemoteDialog dialog = program.OpenDialog(d.command, d.caption);
            rect = dialog.Rect();
            dialog.Press(IDCANCEL);
            EXPECT_TRUE(dialog.WaitClosed());
        } else {
            program.Start();
            rect = program.Rect();
            const std::wstring csv = std::to_wstring(closings) + L".csv";
            program.SetText(IDC_CSV_FILE_NAME, csv);
            EndProgram(program, closings++);
            EXPECT_EQ(ReadString(kCsv, L"OutputFile"), csv) << "closing saves the settings";
        }
        EXPECT_EQ(Read(kPlacement, d.valueName), EncodePositionRecord({rect.left, rect.top})) << "stored on closing";
        return rect;
    };
    const RECT first = openAndClose();
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // The search dialog must fit whole; an option dialog as it was first placed.
    const LONG limitX = work.right - (d.command ? first.right : first.right - first.left);
    const LONG limitY = work.bottom - (d.command ? first.bottom : first.bottom - first.top);
    ASSERT_GT(std::min(limitX, limitY), 20) << "the screen must be larger than the dialog";
    struct Case { LONG x, y; bool used; };
    const Case cases[] = {{limitX - 1, 10, true}, {limitX, 10, false}, {10, limitY - 1, true}, {10, limitY, false}};
    for (const Case& c : cases) {
        Write(kPlacement, d.valueName, EncodePositionRecord({c.x, c.y}));
        const RECT placed = openAndClose();
        EXPECT_EQ(std::pair(placed.left, placed.top), c.used ? std::pair(c.x, c.y) : std::pair(first.left, first.top))
            << c.x << "," << c.y;
    }
}

INSTANTIATE_TEST_SUITE_P(Each, PositionMemory, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });
