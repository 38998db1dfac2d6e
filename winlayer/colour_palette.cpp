#include "winlayer/colour_palette.h"

#include <algorithm>

namespace {
constexpr int kMargin = 4;

constexpr uint32_t Ref(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }
}  // namespace

const std::vector<uint32_t>& DefaultPaletteColours() {
    // Four rows of five: greys, bright colours, further colours, dark colours.
    static const std::vector<uint32_t> colours = {
        Ref(0, 0, 0),       Ref(64, 64, 64),    Ref(128, 128, 128), Ref(192, 192, 192), Ref(255, 255, 255),
        Ref(255, 0, 0),     Ref(255, 128, 0),   Ref(255, 255, 0),   Ref(0, 255, 0),     Ref(0, 255, 255),
        Ref(0, 0, 255),     Ref(128, 0, 255),   Ref(255, 0, 255),   Ref(255, 128, 192), Ref(128, 64, 0),
        Ref(128, 0, 0),     Ref(128, 128, 0),   Ref(0, 128, 0),     Ref(0, 128, 128),   Ref(0, 0, 128),
    };
    return colours;
}

PaletteLayout::PaletteLayout(int count, int columns, int cellSize, int otherHeight, bool hasOther)
    : m_count(std::max(count, 0)),
      m_columns(std::max(columns, 1)),
      m_cell(cellSize),
      m_otherHeight(otherHeight),
      m_hasOther(hasOther) {}

int PaletteLayout::Width() const { return 2 * kMargin + m_columns * m_cell; }

int PaletteLayout::Height() const {
    return 2 * kMargin + Rows() * m_cell + (m_hasOther ? kMargin + m_otherHeight : 0);
}

PaletteRect PaletteLayout::ItemRect(int item) const {
    if (item < 0 || item >= ItemCount()) return {};
    if (item == m_count) {
        const int top = kMargin + Rows() * m_cell + kMargin;
        return {kMargin, top, Width() - kMargin, top + m_otherHeight};
    }
    const int left = kMargin + (item % m_columns) * m_cell;
    const int top = kMargin + (item / m_columns) * m_cell;
    return {left, top, left + m_cell, top + m_cell};
}

int PaletteLayout::ItemAt(int x, int y) const {
    for (int item = 0; item < ItemCount(); ++item) {
        const PaletteRect r = ItemRect(item);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return item;
    }
    return -1;
}

int PaletteLayout::Move(int item, PaletteMove move) const {
    if (m_count == 0) return m_hasOther ? m_count : -1;
    if (item < 0 || item >= ItemCount()) return 0;
    const bool onOther = item == m_count;
    switch (move) {
    case PaletteMove::Left:
        return onOther ? item : std::max(item - 1, 0);
    case PaletteMove::Right:
        return onOther ? item : std::min(item + 1, m_count - 1);
    case PaletteMove::Up:
        if (onOther) return (Rows() - 1) * m_columns;
        return item >= m_columns ? item - m_columns : item;
    case PaletteMove::Down:
        if (onOther) return item;
        if (item + m_columns < m_count) return item + m_columns;
        // From the last full row into a short last row, or on to the button.
        if (item / m_columns < Rows() - 1) return m_count - 1;
        return m_hasOther ? m_count : item;
    }
    return item;
}

int FindPaletteColour(const std::vector<uint32_t>& colours, uint32_t colourRef) {
    const auto found = std::find(colours.begin(), colours.end(), colourRef);
    return found == colours.end() ? -1 : static_cast<int>(found - colours.begin());
}
