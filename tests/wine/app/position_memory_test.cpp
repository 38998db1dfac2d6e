// Every dialog but the About box reopens where it was closed when that corner
// passes its on-screen test, and every way of closing stores the corner.
#include <gtest/gtest.h>

#include "common/little_endian.h"
#include "resources/resource.h"
#include "support/program_under_test.h"

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

std::vector<uint8_t> Record(LONG x, LONG y) {
    std::vector<uint8_t> bytes;
    AppendLittleEndian32(bytes, static_cast<uint32_t>(x));
    AppendLittleEndian32(bytes, static_cast<uint32_t>(y));
    return bytes;
}

std::pair<LONG, LONG> Corner(const RECT& rect) { return {rect.left, rect.top}; }

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
            EndProgram(program, closings++);
        }
        EXPECT_EQ(ReadBinary(kPlacement, d.valueName), Record(rect.left, rect.top)) << "stored on closing";
        return rect;
    };
    const RECT first = openAndClose();
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // The search dialog must fit whole; an option dialog as it was first placed.
    const LONG limitX = work.right - (d.command ? first.right : first.right - first.left);
    const LONG limitY = work.bottom - (d.command ? first.bottom : first.bottom - first.top);
    ASSERT_GT(std::min(limitX, limitY), 20) << "the screen must be larger than the dialog";
    struct Case { LONG x, y; size_t size; bool used; };
    const Case cases[] = {
        {limitX - 1, 10, 8, true}, {limitX, 10, 8, false}, {10, limitY - 1, 8, true}, {10, limitY, 8, false},
        {30, 30, 12, false},  // a record of another length is not used, and 8 bytes replace it
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> record = Record(c.x, c.y);
        record.resize(c.size);
        Write(kPlacement, d.valueName, record);
        EXPECT_EQ(Corner(openAndClose()), c.used ? std::pair(c.x, c.y) : Corner(first))
            << c.x << "," << c.y << " in " << c.size << " bytes";
    }
}

INSTANTIATE_TEST_SUITE_P(Each, PositionMemory, ::testing::ValuesIn(kDialogs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AboutBox, OpensFromBothMenusAtItsFirstPlaceAndStoresNothing) {
    const std::wstring caption = L"バージョン情報 PDF Vivevav";
    ProgramUnderTest program;
    program.Start();
    RemoteDialog about = program.OpenDialog(ID_HELP_ABOUT, caption);
    EXPECT_TRUE(FindWindowExW(about.Window(), nullptr, L"Static", L"PDF Vivevav, Version 1.0.1"));
    bool icon = false;
    for (HWND child = GetWindow(about.Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        icon = icon || SendMessageW(child, STM_GETICON, 0, 0) != 0;
    EXPECT_TRUE(icon);
    const RECT first = about.Rect();
    SetWindowPos(about.Window(), nullptr, first.left + 40, first.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    about.PostKey(IDOK, VK_ESCAPE);
    ASSERT_TRUE(about.WaitClosed());

    PostMessageW(program.Window(), WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    about = program.WaitForDialog(caption);
    EXPECT_EQ(Corner(about.Rect()), Corner(first));
    about.Press(IDOK);
    ASSERT_TRUE(about.WaitClosed());
    EXPECT_TRUE(TakeSnapshot().empty());
}
