// What the column tree draws and where its parts go: column texts under
// their headings as the dividers move, the selection highlight, and header
// and tree scrolled sideways together.
#include "ColumnTreeHarness.h"

namespace
{

// The tree's client area painted through WM_PRINTCLIENT into a 32-bit
// bitmap, read back pixel by pixel.
class Painting
{
public:
    explicit Painting(HWND tree)
    {
        GetClientRect(tree, &m_rect);
        BITMAPINFO info{{sizeof(BITMAPINFOHEADER), m_rect.right, -m_rect.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        SelectObject(m_dc, m_bitmap);
        SendMessageA(tree, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
    }
    // The context goes first, releasing the bitmap selected into it.
    ~Painting()
    {
        DeleteDC(m_dc);
        DeleteObject(m_bitmap);
    }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;

    DWORD Pixel(int x, int y) const { return m_bits[y * m_rect.right + x] & 0xFFFFFF; }

    // The middle of what is drawn between left and right on the rows of
    // band, in something other than the colour at its left edge; -1 if none.
    int InkMiddle(int left, int right, const RECT& band) const
    {
        int first = -1, last = -1;
        for (int x = left + 1; x < right - 1 && x < m_rect.right; ++x)
        {
            for (int y = band.top; y < band.bottom; ++y)
            {
                if (Pixel(x, y) != Pixel(left + 1, band.top))
                {
                    first = first < 0 ? x : first;
                    last = x;
                }
            }
        }
        return first < 0 ? -1 : (first + last) / 2;
    }

private:
    RECT m_rect{};
    HDC m_dc = CreateCompatibleDC(nullptr);
    HBITMAP m_bitmap = nullptr;
    DWORD* m_bits = nullptr;
};

RECT HeaderItemRect(HWND header, int column)
{
    RECT rect{};
    SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

// Drags the right divider of a column by dx, as the mouse does.
void DragDivider(HWND header, int column, int dx)
{
    const RECT item = HeaderItemRect(header, column);
    const int y = (item.top + item.bottom) / 2;
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.right - 1, y));
    SendMessageA(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(item.right - 1 + dx, y));
    SendMessageA(header, WM_LBUTTONUP, 0, MAKELPARAM(item.right - 1 + dx, y));
}

// A child window's rectangle in its parent's client area.
RECT RectIn(HWND parent, HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

TEST_F(ColumnTreeTest, CountTextsAreDrawnCentredUnderTheirHeadingsAndFollowADraggedDivider)
{
    AddCountColumns();
    AddProjects();
    tree.SetItemText(items["A"], 1, "1234");
    tree.SetItemText(items["A"], 2, "56");
    for (int drag : {0, -30})
    {
        ValidateRect(Tree(), nullptr);
        DragDivider(tree.HeaderHandle(), 0, drag);
        EXPECT_TRUE(drag == 0 || GetUpdateRect(Tree(), nullptr, FALSE)) << "the rows are redrawn after a drag";
        const Painting painting(Tree());
        for (int column : {1, 2})
        {
            const RECT cell = HeaderItemRect(tree.HeaderHandle(), column);
            EXPECT_NEAR(painting.InkMiddle(cell.left, cell.right, ItemRect("A", false)), (cell.left + cell.right) / 2,
                        3)
                << "column " << column << " after a drag of " << drag;
        }
    }
    EXPECT_EQ(tree.GetColumnWidth(0), (ClientWidth() - GetSystemMetrics(SM_CXVSCROLL)) * 60 / 100 - 30);
}

TEST_F(ColumnTreeTest, SelectedRowsAreHighlightedAcrossTheColumnsWithFullRowSelection)
{
    for (DWORD fullRow : {DWORD(0), DWORD(CColumnTree::FullRowSelect)})
    {
        Make(CColumnTree::Buttons | CColumnTree::Lines | CColumnTree::LinesAtRoot | fullRow);
        AddCountColumns();
        AddProjects();
        Click("a1");
        Click("b1", MK_CONTROL);
        // With the focus elsewhere too, as while a menu command or a button runs.
        for (HWND focus : {Tree(), owner.GetSafeHwnd()})
        {
            const bool focusMoves = GetFocus() != focus;
            ValidateRect(Tree(), nullptr);
            SetFocus(focus);
            RECT update{};
            GetUpdateRect(Tree(), &update, FALSE);
            const RECT other = ItemRect("a1", false);
            EXPECT_TRUE(!focusMoves || PtInRect(&update, POINT{other.left + 1, other.top + 1}))
                << "a selected row beside the caret is redrawn in its new colour";
            const Painting painting(Tree());
            const int lines = HeaderItemRect(tree.HeaderHandle(), 1).left;
            // The colour at the label's start and end (+2: between label and next column) and in a count cell.
            auto colours = [&](const char* name)
            {
                const RECT label = ItemRect(name, true);
                return std::vector<DWORD>{painting.Pixel(label.left + 1, label.top + 1),
                                          painting.Pixel(label.right + 2, label.top + 1),
                                          painting.Pixel(lines + 2, label.top + 1)};
            };
            const DWORD plain = colours("a2")[0];
            EXPECT_EQ(colours("a2"), std::vector<DWORD>(3, plain));
            // Both selected items, the caret and the other one.
            for (const char* name : {"a1", "b1"})
            {
                const DWORD highlight = colours(name)[0];
                EXPECT_NE(highlight, plain) << name << " " << fullRow;
                const DWORD rest = fullRow ? highlight : plain;
                EXPECT_EQ(colours(name), (std::vector<DWORD>{highlight, rest, rest})) << name << " " << fullRow;
            }
        }
    }
}

TEST_F(ColumnTreeTest, ColumnsWiderThanTheWindowScrollSidewaysWithTheirHeader)
{
    AddCountColumns();
    for (int i = 0; i < 40; ++i)
        tree.InsertItem(nullptr, "item");
    const HWND window = tree.GetSafeHwnd();
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    auto hasScrollBar = [&]() { return (GetWindowLongA(window, GWL_STYLE) & WS_HSCROLL) != 0; };
    // The columns fit beside the tree's own scroll bar.
    EXPECT_FALSE(hasScrollBar());

    DragDivider(tree.HeaderHandle(), 2, 300);
    const int total = HeaderItemRect(tree.HeaderHandle(), 2).right;
    ASSERT_TRUE(hasScrollBar());
    GetScrollInfo(window, SB_HORZ, &info);
    EXPECT_EQ(info.nMax + 1, total);
    const int page = static_cast<int>(info.nPage), right = total - page;
    const std::pair<int, int> steps[] = {
        {SB_RIGHT, right}, {SB_LINELEFT, right - 20}, {SB_LEFT, 0}, {SB_LINERIGHT, 20}, {SB_PAGERIGHT, right}};
    for (const auto& [request, position] : steps)
    {
        SendMessageA(window, WM_HSCROLL, request, 0);
        GetScrollInfo(window, SB_HORZ, &info);
        const RECT header = RectIn(window, tree.HeaderHandle()), treeRect = RectIn(window, Tree());
        RECT client{};
        GetClientRect(Tree(), &client);
        // Position; header and tree shifted by it, the tree under the header;
        // the tree's vertical scroll bar at the window's right edge.
        EXPECT_EQ((std::vector<long>{info.nPos, header.left, treeRect.left, treeRect.top, client.right}),
                  (std::vector<long>{position, -position, -position, header.bottom, page + position}))
            << request;
    }

    tree.SetColumnWidth(2, 10);
    EXPECT_FALSE(hasScrollBar());
    EXPECT_EQ(RectIn(window, Tree()).left, 0);
    EXPECT_EQ(RectIn(window, tree.HeaderHandle()).left, 0);
}
