// Text laid out for Wine's console in a double-byte code page, which gives
// every UTF-16 unit one cell. With a font whose cells are half a kanji wide,
// a character the code page writes in two bytes is drawn across its own cell
// and the next, so it is followed by a blank cell to draw into, and it moves
// to the next line whole instead of being cut at the line's end. That is how
// a Japanese console lays out text: Latin in half-width cells, Japanese in
// two cells each, without gaps.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace zuvediv {

class DoubleCellLayout {
public:
    using TwoCellRule = std::function<bool(char16_t)>;

    // lineWidth: the screen buffer's width in cells; column: the cursor's.
    DoubleCellLayout(int lineWidth, int column, TwoCellRule takesTwoCells);

    // The text with the blank cells added; the layout follows the cursor
    // across calls, so text may arrive in any pieces.
    std::u16string Lay(std::u16string_view text);

private:
    void Advance(std::u16string& laid, char16_t unit);

    int m_lineWidth;
    int m_column;
    TwoCellRule m_takesTwoCells;
};

}  // namespace zuvediv
