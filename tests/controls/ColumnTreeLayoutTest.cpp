// What the column tree draws and where its parts go: column texts under
// their headings as the dividers move, selection highlight, and sideways
// scrolling of header and tree together.
#include "ColumnTreeHarness.h"

namespace {

// The tree's client area as it paints it, through WM_PRINTCLIENT, into a
// 32-bit bitmap read back pixel by pixel.
class Painting
{
public:
    explicit Painting(HWND tree)
    {
        GetClientRect(tree, &m_rect);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = m_rect.right;
        info.bmiHeader.biHeight = -m_rect.bottom;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_bits), nullptr, 0);
        m_previous = SelectObject(m_dc, m_bitmap);
        SendMessageA(tree, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc), PRF_CLIENT | PRF_ERASEBKGND);
        GdiFlush();
    }
    ~Painting()
    {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;

    DWORD Pixel(int x, int y) const { return m_bits[y * m_rect.right + x] & 0xFFFFFF; }

    // The leftmost and rightmost columns of pixels between left and right
    // (exclusive) on the rows of band that differ from the band's colour at
    // left; {-1, -1} when there are none.
    std::pair<int, int> InkSpan(int left, int right, const RECT& band) const
    {
        std::pair<int, int> span{-1, -1};
        const DWORD background = Pixel(left + 1, band.top + 1);
        for (int x = left + 1; x < right - 1 && x < m_rect.right; ++x) {
            for (int y = band.top; y < band.bottom; ++y) {
                if (Pixel(x, y) != background) {
                    if (span.first < 0)
                        span.first = x;
                    span.second = x;
                    break;
                }
            }
        }
        return span;
    }

private:
    RECT m_rect{};
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
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

// The left edge of a child window in its parent's client area.
int LeftIn(HWND parent, HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect.left;
}

} // namespace

TEST_F(ColumnTreeTest, CountTextsAreDrawnCentredUnderTheirHeadingsAndFollowADraggedDivider)
{
    AddCountColumns();
    AddProjects();
    tree.SetItemText(items["A"], 1, "1234");
    tree.SetItemText(items["A"], 2, "56");
    for (int drag : {0, 30}) {
        DragDivider(tree.HeaderHandle(), 0, drag);
        const Painting painting(Tree());
        const RECT row = ItemRect("A", false);
        for (int column : {1, 2}) {
            const RECT cell = HeaderItemRect(tree.HeaderHandle(), column);
            const std::pair<int, int> ink = painting.InkSpan(cell.left, cell.right, row);
            ASSERT_GE(ink.first, 0) << "column " << column << " after a drag of " << drag;
            EXPECT_NEAR((ink.first + ink.second) / 2, (cell.left + cell.right) / 2, 3) << column << " " << drag;
        }
    }
    EXPECT_EQ(tree.GetColumnWidth(0), (ClientWidth() - GetSystemMetrics(SM_CXVSCROLL)) * 60 / 100 + 30);
}

TEST_F(ColumnTreeTest, SelectedRowsAreHighlightedAcrossTheColumnsWithFullRowSelection)
{
    for (DWORD fullRow : {DWORD(0), DWORD(CColumnTree::FullRowSelect)}) {
        Make(CColumnTree::Buttons | CColumnTree::Lines | CColumnTree::LinesAtRoot | fullRow);
        AddCountColumns();
        AddProjects();
        Click("a1");
        Click("b1", MK_CONTROL);
        const Painting painting(Tree());
        const RECT lines = HeaderItemRect(tree.HeaderHandle(), 1);
        auto labelColour = [&](const char* name) {
            const RECT label = ItemRect(name, true);
            return painting.Pixel(label.left + 1, label.top + 1);
        };
        auto cellColour = [&](const char* name) { return painting.Pixel(lines.left + 2, ItemRect(name, false).top + 1); };
        // Between the label and the next column.
        auto gapColour = [&](const char* name) {
            const RECT label = ItemRect(name, true);
            return painting.Pixel(label.right + 2, label.top + 1);
        };
        const DWORD plain = labelColour("a2");
        // Both selected items, the caret and the other one.
        for (const char* name : {"a1", "b1"}) {
            EXPECT_NE(labelColour(name), plain) << name << " " << fullRow;
            EXPECT_EQ(cellColour(name), fullRow ? labelColour(name) : plain) << name << " " << fullRow;
            EXPECT_EQ(gapColour(name), fullRow ? labelColour(name) : plain) << name << " " << fullRow;
        }
        EXPECT_EQ(cellColour("a2"), plain);
    }
}

TEST_F(ColumnTreeTest, ColumnsWiderThanTheWindowScrollSidewaysWithTheirHeader)
{
    AddCountColumns();
    for (int i = 0; i < 40; ++i)
        tree.InsertItem(nullptr, "item");
    const HWND window = tree.GetSafeHwnd();
    auto scrollInfo = [&]() {
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_ALL;
        GetScrollInfo(window, SB_HORZ, &info);
        return info;
    };
    auto hasScrollBar = [&]() { return (GetWindowLongA(window, GWL_STYLE) & WS_HSCROLL) != 0; };
    auto treeClientWidth = [&]() {
        RECT client{};
        GetClientRect(Tree(), &client);
        return static_cast<int>(client.right);
    };
    // The columns fit beside the tree's own scroll bar.
    EXPECT_FALSE(hasScrollBar());

    DragDivider(tree.HeaderHandle(), 2, 300);
    const int total = HeaderItemRect(tree.HeaderHandle(), 2).right;
    ASSERT_TRUE(hasScrollBar());
    EXPECT_EQ(scrollInfo().nMax + 1, total);
    EXPECT_EQ(static_cast<int>(scrollInfo().nPage), treeClientWidth());

    struct Step
    {
        int request;
        int position;  // -1: as far right as it goes
    } steps[] = {{SB_RIGHT, -1}, {SB_LINELEFT, -2}, {SB_LEFT, 0}, {SB_LINERIGHT, 20}, {SB_PAGERIGHT, -1}};
    for (const Step& step : steps) {
        const int right = total - static_cast<int>(scrollInfo().nPage);
        const int expected = step.position == -1 ? right : step.position == -2 ? right - 20 : step.position;
        SendMessageA(window, WM_HSCROLL, step.request, 0);
        EXPECT_EQ(scrollInfo().nPos, expected) << step.request;
        EXPECT_EQ(LeftIn(window, Tree()), -expected) << step.request;
        EXPECT_EQ(LeftIn(window, tree.HeaderHandle()), -expected) << step.request;
        // The tree's vertical scroll bar stays at the window's right edge.
        EXPECT_EQ(treeClientWidth(), static_cast<int>(scrollInfo().nPage) + expected) << step.request;
    }

    tree.SetColumnWidth(2, 10);
    EXPECT_FALSE(hasScrollBar());
    EXPECT_EQ(LeftIn(window, Tree()), 0);
    EXPECT_EQ(LeftIn(window, tree.HeaderHandle()), 0);
}
