// The print preview window: sheets in the printer's proportions, one or two at a time, zoomed where clicked.
#include "PrintPreview.h"

#include <windowsx.h>

#include <algorithm>

namespace
{

const int Margin = 8; // around the sheets, in pixels
const int Gap = 12;   // between two sheets
const int Shadow = 3; // below and right of a sheet
const int ButtonHeight = 22;
const int ButtonWidth = 80;
const int WheelLines = 48; // pixels scrolled per wheel notch when zoomed

struct BarButton
{
    CPrintPreview::Command id;
    const char* text;
};

const BarButton Buttons[] = {{CPrintPreview::PrintCommand, "&Print..."}, {CPrintPreview::NextCommand, "&Next Page"},
                             {CPrintPreview::PrevCommand, "Pre&v Page"}, {CPrintPreview::NumPagesCommand, "&Two Page"},
                             {CPrintPreview::ZoomInCommand, "Zoom &In"}, {CPrintPreview::ZoomOutCommand, "Zoom &Out"},
                             {CPrintPreview::CloseCommand, "&Close"}};

// The printer's paper and where its printable area lies on it. A device
// without paper (a screen) is all printable area.
struct Paper
{
    SIZE size;
    POINT printableOffset;
    SIZE printable;
};

Paper PaperOf(HDC printer)
{
    Paper paper;
    paper.printable = {GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES)};
    paper.size = {GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT)};
    paper.printableOffset = {GetDeviceCaps(printer, PHYSICALOFFSETX), GetDeviceCaps(printer, PHYSICALOFFSETY)};
    if (paper.size.cx <= 0 || paper.size.cy <= 0)
    {
        paper.size = paper.printable;
        paper.printableOffset = {0, 0};
    }
    return paper;
}

} // namespace

bool CPrintPreview::Create(HWND parent, const RECT& rect, HDC printer, const IPrintedPages& pages, IHost& host,
                           int pagesPerScreen)
{
    m_printer = printer;
    m_pages = &pages;
    m_host = &host;
    m_pagesPerScreen = pagesPerScreen == 2 ? 2 : 1;
    if (!CreateEx(0, "Print Preview", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_HSCROLL | WS_VSCROLL, rect, parent,
                  0))
        return false;
    CreateBar();
    SetFocus(m_hWnd);
    Refresh();
    return true;
}

void CPrintPreview::CreateBar()
{
    HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    int left = Margin / 2;
    for (const BarButton& button : Buttons)
    {
        HWND hwnd = CreateWindowExA(0, "BUTTON", button.text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, left, Margin / 2,
                                    ButtonWidth, ButtonHeight, m_hWnd,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(button.id)), nullptr, nullptr);
        SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        left += ButtonWidth + Margin / 2;
    }
    m_barHeight = ButtonHeight + Margin;
}

RECT CPrintPreview::PagesArea() const
{
    RECT area = {0, 0, 0, 0};
    GetClientRect(m_hWnd, &area);
    area.top = std::min<LONG>(area.bottom, m_barHeight);
    return area;
}

int CPrintPreview::ShownPages() const
{
    return m_zoom == Fit && m_pagesPerScreen == 2 && m_pages->PageCount() > 1 ? 2 : 1;
}

int CPrintPreview::LastFirstPage() const
{
    return std::max(1, m_pages->PageCount() - ShownPages() + 1);
}

SIZE CPrintPreview::SheetSize() const
{
    const Paper paper = PaperOf(m_printer);
    const RECT area = PagesArea();
    // The fitting size of one sheet for the pages shown at Fit.
    const int pages = m_zoom == Fit ? ShownPages() : 1;
    const int roomWidth = std::max(1L, (area.right - area.left - 2 * Margin - (pages - 1) * Gap) / pages);
    const int roomHeight = std::max(1L, area.bottom - area.top - 2 * Margin);
    SIZE sheet = {MulDiv(roomHeight, paper.size.cx, paper.size.cy), roomHeight};
    if (sheet.cx > roomWidth)
        sheet = {roomWidth, MulDiv(roomWidth, paper.size.cy, paper.size.cx)};
    const int factor = m_zoom == Fit ? 1 : m_zoom == Double ? 2 : 4;
    return {sheet.cx * factor, sheet.cy * factor};
}

RECT CPrintPreview::SheetRect(int page) const
{
    const int index = page - m_page;
    if (index < 0 || index >= ShownPages())
        return RECT{0, 0, 0, 0};
    const RECT area = PagesArea();
    const SIZE sheet = SheetSize();
    const int contentWidth = ShownPages() * sheet.cx + (ShownPages() - 1) * Gap + 2 * Margin;
    const int contentHeight = sheet.cy + 2 * Margin;
    // Centred while the content fits, scrolled once it does not.
    const int left = area.left + std::max(0L, (area.right - area.left - contentWidth) / 2) - m_scroll.x;
    const int top = area.top + std::max(0L, (area.bottom - area.top - contentHeight) / 2) - m_scroll.y;
    const int x = left + Margin + index * (sheet.cx + Gap);
    return RECT{x, top + Margin, x + sheet.cx, top + Margin + sheet.cy};
}

void CPrintPreview::UpdateScrollBars()
{
    const RECT area = PagesArea();
    const SIZE sheet = SheetSize();
    const SIZE content = {ShownPages() * sheet.cx + (ShownPages() - 1) * Gap + 2 * Margin, sheet.cy + 2 * Margin};
    const SIZE view = {area.right - area.left, area.bottom - area.top};
    m_scroll.x = std::clamp<LONG>(m_scroll.x, 0, std::max(0L, content.cx - view.cx));
    m_scroll.y = std::clamp<LONG>(m_scroll.y, 0, std::max(0L, content.cy - view.cy));
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    // Always shown, so the room for the sheets stays the same at every zoom.
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    info.nMax = content.cx - 1;
    info.nPage = static_cast<UINT>(view.cx);
    info.nPos = m_scroll.x;
    SetScrollInfo(m_hWnd, SB_HORZ, &info, TRUE);
    info.nMax = content.cy - 1;
    info.nPage = static_cast<UINT>(view.cy);
    info.nPos = m_scroll.y;
    SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
}

void CPrintPreview::Refresh()
{
    m_page = std::clamp(m_page, 1, LastFirstPage());
    UpdateScrollBars();
    EnableWindow(GetDlgItem(m_hWnd, NextCommand), m_page < LastFirstPage());
    EnableWindow(GetDlgItem(m_hWnd, PrevCommand), m_page > 1);
    EnableWindow(GetDlgItem(m_hWnd, NumPagesCommand), m_zoom == Fit && m_pages->PageCount() > 1);
    SetDlgItemTextA(m_hWnd, NumPagesCommand, m_pagesPerScreen == 2 ? "&One Page" : "&Two Page");
    EnableWindow(GetDlgItem(m_hWnd, ZoomInCommand), m_zoom != Quadruple);
    EnableWindow(GetDlgItem(m_hWnd, ZoomOutCommand), m_zoom != Fit);
    InvalidateRect(m_hWnd, nullptr, TRUE);

    const int count = m_pages->PageCount();
    const std::string status = ShownPages() == 2 ? "Pages " + std::to_string(m_page) + "-" +
                                                       std::to_string(m_page + 1) + " of " + std::to_string(count)
                                                 : "Page " + std::to_string(m_page) + " of " + std::to_string(count);
    m_host->OnPreviewChanged(status, m_pagesPerScreen);
}

void CPrintPreview::GoTo(int page)
{
    m_page = page;
    m_scroll.y = 0;
    Refresh();
}

void CPrintPreview::SetZoom(Zoom zoom, POINT about)
{
    // The point of the content under about stays under it.
    const RECT before = SheetRect(m_page);
    const double fx = before.right > before.left ? double(about.x - before.left) / (before.right - before.left) : 0.5;
    const double fy = before.bottom > before.top ? double(about.y - before.top) / (before.bottom - before.top) : 0.5;
    // Zooming in on the second of two pages shows that page.
    if (m_zoom == Fit && zoom != Fit && ShownPages() == 2 && about.x >= SheetRect(m_page + 1).left)
        ++m_page;
    m_zoom = zoom;
    m_scroll = {0, 0};
    const RECT after = SheetRect(m_page);
    m_scroll.x = after.left + static_cast<LONG>(fx * (after.right - after.left)) - about.x;
    m_scroll.y = after.top + static_cast<LONG>(fy * (after.bottom - after.top)) - about.y;
    Refresh();
}

void CPrintPreview::OnCommand(UINT id)
{
    // A command whose button is disabled does nothing, sent by whoever.
    HWND button = GetDlgItem(m_hWnd, id);
    if (button && !IsWindowEnabled(button))
        return;
    // The zoom buttons keep the top of the page in view, where a page's
    // text begins.
    const RECT area = PagesArea();
    const RECT sheet = SheetRect(m_page);
    const POINT top = {(sheet.left + sheet.right) / 2, std::max(area.top, sheet.top)};
    switch (id)
    {
    case NextCommand:
        GoTo(m_page + 1);
        break;
    case PrevCommand:
        GoTo(m_page - 1);
        break;
    case NumPagesCommand:
        m_pagesPerScreen = 3 - m_pagesPerScreen;
        Refresh();
        break;
    case ZoomInCommand:
        if (m_zoom != Quadruple)
            SetZoom(m_zoom == Fit ? Double : Quadruple, top);
        break;
    case ZoomOutCommand:
        if (m_zoom != Fit)
            SetZoom(m_zoom == Quadruple ? Double : Fit, top);
        break;
    case PrintCommand:
        m_host->OnPreviewPrint();
        return;
    case CloseCommand:
        // Last: the host may destroy the preview here.
        m_host->OnPreviewClose();
        return;
    }
    SetFocus(m_hWnd);
}

void CPrintPreview::OnScroll(int bar, int request)
{
    SCROLLINFO info = {};
    info.cbSize = sizeof info;
    info.fMask = SIF_ALL;
    GetScrollInfo(m_hWnd, bar, &info);
    LONG& position = bar == SB_HORZ ? m_scroll.x : m_scroll.y;
    switch (request)
    {
    case SB_LINEUP:
        position -= WheelLines;
        break;
    case SB_LINEDOWN:
        position += WheelLines;
        break;
    case SB_PAGEUP:
        position -= static_cast<LONG>(info.nPage);
        break;
    case SB_PAGEDOWN:
        position += static_cast<LONG>(info.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    default:
        return;
    }
    UpdateScrollBars();
    InvalidateRect(m_hWnd, nullptr, TRUE);
}

void CPrintPreview::Paint(HDC dc)
{
    const Paper paper = PaperOf(m_printer);
    RECT bar = {0, 0, 0, 0};
    GetClientRect(m_hWnd, &bar);
    const RECT area = PagesArea();
    bar.bottom = area.top;
    FillRect(dc, &bar, GetSysColorBrush(COLOR_BTNFACE));
    // Scrolled sheets pass below the bar.
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    FillRect(dc, &area, GetSysColorBrush(COLOR_APPWORKSPACE));
    for (int page = m_page; page < m_page + ShownPages() && page <= m_pages->PageCount(); ++page)
    {
        const RECT sheet = SheetRect(page);
        RECT shadow = sheet;
        OffsetRect(&shadow, Shadow, Shadow);
        FillRect(dc, &shadow, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        FillRect(dc, &sheet, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));

        // The page in printer units, scaled onto the sheet.
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, sheet.left, sheet.top, sheet.right, sheet.bottom);
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, paper.size.cx, paper.size.cy, nullptr);
        SetViewportExtEx(dc, sheet.right - sheet.left, sheet.bottom - sheet.top, nullptr);
        SetWindowOrgEx(dc, -paper.printableOffset.x, -paper.printableOffset.y, nullptr);
        SetViewportOrgEx(dc, sheet.left, sheet.top, nullptr);
        m_pages->DrawPage(dc, RECT{0, 0, paper.printable.cx, paper.printable.cy}, page);
        RestoreDC(dc, saved);
    }
}

bool CPrintPreview::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message)
    {
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return true;
    case WM_KEYDOWN:
        if (wParam == VK_NEXT || wParam == VK_PRIOR)
            OnCommand(wParam == VK_NEXT ? NextCommand : PrevCommand);
        else if (wParam == VK_ESCAPE)
            OnCommand(CloseCommand);
        else
            return false;
        return true;
    case WM_GETDLGCODE:
        result = DLGC_WANTALLKEYS;
        return true;
    case WM_MOUSEWHEEL:
    {
        const bool down = GET_WHEEL_DELTA_WPARAM(wParam) < 0;
        if (m_zoom == Fit)
            OnCommand(down ? NextCommand : PrevCommand);
        else
            OnScroll(SB_VERT, down ? SB_LINEDOWN : SB_LINEUP);
        return true;
    }
    case WM_LBUTTONDOWN:
    {
        const POINT at = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        SetFocus(m_hWnd);
        SetZoom(m_zoom == Fit ? Double : m_zoom == Double ? Quadruple : Fit, at);
        return true;
    }
    case WM_HSCROLL:
    case WM_VSCROLL:
        OnScroll(message == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam));
        return true;
    case WM_SIZE:
        UpdateScrollBars();
        InvalidateRect(m_hWnd, nullptr, TRUE);
        return false;
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT:
    {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(m_hWnd, &paint);
        Paint(dc);
        EndPaint(m_hWnd, &paint);
        return true;
    }
    }
    return false;
}
