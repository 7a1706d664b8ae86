// What the column tree draws: column texts under their headings.
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

} // namespace

TEST_F(ColumnTreeTest, CountTextsAreDrawnCentredUnderTheirHeadings)
{
    AddCountColumns();
    AddProjects();
    tree.SetItemText(items["A"], 1, "1234");
    tree.SetItemText(items["A"], 2, "56");
    const Painting painting(Tree());
    for (int column : {1, 2})
    {
        const RECT cell = HeaderItemRect(tree.HeaderHandle(), column);
        EXPECT_NEAR(painting.InkMiddle(cell.left, cell.right, ItemRect("A", false)), (cell.left + cell.right) / 2, 3)
            << "column " << column;
    }
    EXPECT_EQ(tree.GetColumnWidth(0), (ClientWidth() - GetSystemMetrics(SM_CXVSCROLL)) * 60 / 100);
}
