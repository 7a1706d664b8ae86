#pragma once

#include "ColumnTexts.h"
#include "HeaderColumns.h"

#include <windows.h>

#include <commctrl.h>

// Answers the tree view's custom draw for a column tree. The tree draws
// column 0 itself (lines, buttons, the item's label); after each row this
// draws the other columns' texts in their header columns, and with full-row
// selection the rest of the row in the colours the tree chose for the label.
class CColumnTreePainter
{
public:
    CColumnTreePainter(const CHeaderColumns& columns, const CColumnTexts& texts);

    LRESULT OnCustomDraw(const NMTVCUSTOMDRAW& draw);

private:
    void PaintCells(const NMTVCUSTOMDRAW& draw) const;

    const CHeaderColumns& m_columns;
    const CColumnTexts& m_texts;
    // The label's colours of the row being drawn, from its pre-paint stage.
    COLORREF m_text = 0;
    COLORREF m_back = 0;
};
