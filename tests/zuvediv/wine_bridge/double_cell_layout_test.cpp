#include "wine_bridge/double_cell_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Stands in for the code page: everything from the CJK symbols block up
// takes two bytes (and so two cells).
bool FromCjkUp(char16_t unit) { return unit >= 0x3000; }

struct LayoutCase { const char* name; int lineWidth, column; std::vector<std::u16string> pieces; std::u16string expected; };

TEST(DoubleCellLayout, GivesEachDoubleByteCharacterTwoCellsAndNeverCutsOneAtTheLineEnd) {
    const std::vector<LayoutCase> cases = {
        {"Latin is left alone", 80, 0, {u"[1/4] a.pdf"}, u"[1/4] a.pdf"},
        {"each kanji gets a blank cell", 80, 0, {u"a請求b"}, u"a請 求 b"},
        {"a kanji in the last cell moves to the next line", 4, 0, {u"abc請"}, u"abc 請 "},
        {"a kanji after a full line needs no blank", 4, 0, {u"ab請請"}, u"ab請 請 "},
        {"a full line wraps before its next character", 4, 0, {u"abcd", u"abc請"}, u"abc 請 "},
        {"a new line starts at the first cell", 4, 0, {u"abc\n請"}, u"abc\n請 "},
        {"a carriage return too", 4, 0, {u"abc\r請"}, u"abc\r請 "},
        {"a tab moves to the next stop", 9, 0, {u"\t請"}, u"\t 請 "},
        {"the cursor is followed across pieces", 4, 0, {u"abc", u"請"}, u" 請 "},
        {"and starts where the console's cursor is", 4, 3, {u"請"}, u" 請 "},
        {"surrogate pairs already take two cells", 80, 0, {u"\U00020B9F"}, u"\U00020B9F"},
    };
    for (const LayoutCase& c : cases) {
        zuvediv::DoubleCellLayout layout(c.lineWidth, c.column, FromCjkUp);
        std::u16string last;
        for (const std::u16string& piece : c.pieces) last = layout.Lay(piece);
        EXPECT_EQ(last, c.expected) << c.name;
    }
}

}  // namespace
