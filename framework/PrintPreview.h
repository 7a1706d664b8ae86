#pragma once

#include "PrintedPages.h"
#include "Wnd.h"

#include <string>

// The print preview: a window over the frame's client area with a bar of
// buttons above white sheets in the printer's proportions, one or two pages
// at a time, zoomed in three steps about the point clicked. The window that
// opens it is told when the user prints from it, closes it or changes what it
// shows (for the status bar and the remembered page count).
class CPrintPreview : public CWnd
{
public:
    // The bar's buttons, by their standard command ids.
    enum Command : UINT
    {
        CloseCommand = 0xE300,
        NumPagesCommand = 0xE301,
        NextCommand = 0xE302,
        PrevCommand = 0xE303,
        PrintCommand = 0xE304,
        ZoomInCommand = 0xE305,
        ZoomOutCommand = 0xE306
    };

    enum Zoom
    {
        Fit,      // the whole page (or both pages) in the window
        Double,   // twice that
        Quadruple // four times
    };

    class IHost
    {
    public:
        virtual ~IHost() = default;
        virtual void OnPreviewPrint() = 0;
        // The preview's window is destroyed after this returns.
        virtual void OnPreviewClose() = 0;
        // Page shown (or pages), page count, pages per screen.
        virtual void OnPreviewChanged(const std::string& status, int pagesPerScreen) = 0;
    };

    // printer gives the sheets' proportions and the drawing rectangle; it
    // must outlive the preview. pagesPerScreen is 1 or 2.
    bool Create(HWND parent, const RECT& rect, HDC printer, const IPrintedPages& pages, IHost& host,
                int pagesPerScreen);

    int CurrentPage() const { return m_page; }
    int PagesPerScreen() const { return m_pagesPerScreen; }
    Zoom GetZoom() const { return m_zoom; }
    // Where page (1-based, shown now) sits in the window; empty when not shown.
    RECT SheetRect(int page) const;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void CreateBar();
    void OnCommand(UINT id);
    void GoTo(int page);
    void SetZoom(Zoom zoom, POINT about);
    void Refresh();
    void UpdateScrollBars();
    void OnScroll(int bar, int request);
    void Paint(HDC dc);
    RECT PagesArea() const;
    SIZE SheetSize() const;
    int ShownPages() const;
    int LastFirstPage() const;

    HDC m_printer = nullptr;
    const IPrintedPages* m_pages = nullptr;
    IHost* m_host = nullptr;
    int m_page = 1;
    int m_pagesPerScreen = 1;
    Zoom m_zoom = Fit;
    POINT m_scroll = {0, 0};
    int m_barHeight = 0;
};
