#pragma once

#include <windows.h>

#include <string>

enum class ColumnAlignment
{
    Left,
    Centre,
    Right
};

// The columns of a column tree as its header control holds them: headings,
// widths and alignments live in the header alone, so what the user drags is
// what the rows are drawn with.
class CHeaderColumns
{
public:
    // Where a column lies, in the coordinates of the header's client area.
    struct Span
    {
        int left;
        int right;
        ColumnAlignment alignment;
    };

    // Makes the header as a child of parent, with one column (the tree's own)
    // of the given width; false when the window cannot be made.
    bool Create(HWND parent, UINT id, int firstWidth);
    HWND Handle() const { return m_header; }
    // The owner's window (and so the header) is gone.
    void Detach() { m_header = nullptr; }

    int Count() const;
    // Inserts before index (at the end when index is past the last column);
    // returns the new column's index, or -1.
    int Insert(int index, const std::string& heading, ColumnAlignment alignment, int width);
    int Width(int column) const;
    void SetWidth(int column, int width);
    void SetHeading(int column, const std::string& heading);
    Span SpanOf(int column) const;
    int TotalWidth() const;
    // The height the header takes for its font.
    int Height() const;

private:
    HWND m_header = nullptr;
};
