#pragma once
// The colour button's drop-down palette without windows: its colours, the
// place of each cell and the keyboard moves between them. Items are the
// colour cells 0..count-1 and, when present, the "other colours" button
// as item `count`.
#include <cstdint>
#include <vector>

// Colours in COLORREF form (0x00BBGGRR).
const std::vector<uint32_t>& DefaultPaletteColours();

struct PaletteRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

enum class PaletteMove { Left, Right, Up, Down };

class PaletteLayout {
public:
    // columns below 1 count as 1.
    PaletteLayout(int count, int columns, int cellSize, int otherHeight, bool hasOther);

    int Count() const { return m_count; }
    int Rows() const { return (m_count + m_columns - 1) / m_columns; }
    bool HasOther() const { return m_hasOther; }
    int OtherItem() const { return m_count; }
    int ItemCount() const { return m_count + (m_hasOther ? 1 : 0); }

    int Width() const;
    int Height() const;
    PaletteRect ItemRect(int item) const;
    // The item under a point, or -1.
    int ItemAt(int x, int y) const;
    // Where the keyboard selection goes; it stays put at an edge.
    int Move(int item, PaletteMove move) const;

private:
    int m_count;
    int m_columns;
    int m_cell;
    int m_otherHeight;
    bool m_hasOther;
};

// The item showing this colour, or -1.
int FindPaletteColour(const std::vector<uint32_t>& colours, uint32_t colourRef);
