#include "double_cell_layout.h"

#include <algorithm>
#include <utility>

namespace zuvediv {
namespace {
constexpr int kTabStop = 8;

bool IsSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDFFF; }
}  // namespace

DoubleCellLayout::DoubleCellLayout(int lineWidth, int column, TwoCellRule takesTwoCells)
    : m_lineWidth(std::max(lineWidth, 2)),
      m_column(std::clamp(column, 0, m_lineWidth)),
      m_takesTwoCells(std::move(takesTwoCells)) {}

std::u16string DoubleCellLayout::Lay(std::u16string_view text) {
    std::u16string laid;
    laid.reserve(text.size() + text.size() / 2);
    for (const char16_t unit : text) Advance(laid, unit);
    return laid;
}

void DoubleCellLayout::Advance(std::u16string& laid, char16_t unit) {
    switch (unit) {
    case u'\r':
    case u'\n':
        m_column = 0;
        laid += unit;
        return;
    case u'\b':
        m_column = std::max(m_column - 1, 0);
        laid += unit;
        return;
    case u'\t':
        m_column = std::min((m_column / kTabStop + 1) * kTabStop, m_lineWidth);
        laid += unit;
        return;
    case u'\a':
        laid += unit;
        return;
    default:
        break;
    }
    if (m_column == m_lineWidth) m_column = 0;  // the console wraps before this cell
    // Each half of a surrogate pair already has a cell of its own.
    const bool twoCells = !IsSurrogate(unit) && m_takesTwoCells(unit);
    if (twoCells && m_column == m_lineWidth - 1) {
        laid += u' ';
        m_column = 0;
    }
    laid += unit;
    ++m_column;
    if (twoCells) {
        laid += u' ';
        ++m_column;
    }
}

}  // namespace zuvediv
