// The print preview driven by its buttons, keys, wheel and clicks.
#include "PrintPreview.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// The pages drawn and what the preview told its host.
class Recorder : public IPrintedPages, public CPrintPreview::IHost
{
public:
    int PageCount() const override { return count; }
    void DrawPage(HDC, const RECT& area, int page) const override
    {
        drawn.push_back(page);
        lastArea = area;
    }
    void OnPreviewPrint() override { ++prints; }
    void OnPreviewClose() override { ++closes; }
    void OnPreviewChanged(const std::string& text, int pages) override
    {
        status = text;
        pagesPerScreen = pages;
    }

    mutable std::vector<int> drawn;
    mutable RECT lastArea = {};
    int count = 0, prints = 0, closes = 0, pagesPerScreen = 0;
    std::string status;
};

class PrintPreviewTest : public ::testing::Test
{
protected:
    void Open(int pageCount, int pagesPerScreen)
    {
        host.count = pageCount;
        ASSERT_TRUE(frame.CreateEx(0, "frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT{0, 0, 800, 600}, nullptr, 0));
        RECT client;
        GetClientRect(frame.GetSafeHwnd(), &client);
        ASSERT_TRUE(preview.Create(frame.GetSafeHwnd(), client, screen, host, host, pagesPerScreen));
    }
    void Command(UINT id) { SendMessageA(preview.GetSafeHwnd(), WM_COMMAND, id, 0); }
    bool Enabled(UINT id) { return IsWindowEnabled(GetDlgItem(preview.GetSafeHwnd(), id)) != FALSE; }
    std::string Text(UINT id)
    {
        char text[64] = "";
        GetDlgItemTextA(preview.GetSafeHwnd(), id, text, sizeof text);
        return text;
    }
    static int Width(const RECT& rect) { return rect.right - rect.left; }

    void TearDown() override { ReleaseDC(nullptr, screen); }

    HDC screen = GetDC(nullptr);
    Recorder host;
    CWnd frame;
    CPrintPreview preview;
};

TEST_F(PrintPreviewTest, PagesStopAtTheFirstAndTheLast)
{
    Open(3, 1);
    EXPECT_EQ("Page 1 of 3", host.status);
    EXPECT_FALSE(Enabled(CPrintPreview::PrevCommand));
    SendMessageA(GetDlgItem(preview.GetSafeHwnd(), CPrintPreview::NextCommand), BM_CLICK, 0, 0);
    SendMessageA(preview.GetSafeHwnd(), WM_KEYDOWN, VK_NEXT, 0);
    Command(CPrintPreview::NextCommand);
    EXPECT_EQ(3, preview.CurrentPage());
    EXPECT_FALSE(Enabled(CPrintPreview::NextCommand));
    EXPECT_TRUE(Enabled(CPrintPreview::PrevCommand));
    SendMessageA(preview.GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ("Page 2 of 3", host.status);
    SendMessageA(preview.GetSafeHwnd(), WM_KEYDOWN, VK_PRIOR, 0);
    SendMessageA(preview.GetSafeHwnd(), WM_KEYDOWN, VK_PRIOR, 0);
    EXPECT_EQ(1, preview.CurrentPage());
}

TEST_F(PrintPreviewTest, TwoPagesSideBySideUntilTheLastPair)
{
    Open(3, 2);
    EXPECT_EQ("Pages 1-2 of 3", host.status);
    EXPECT_EQ("&One Page", Text(CPrintPreview::NumPagesCommand));
    const RECT first = preview.SheetRect(1), second = preview.SheetRect(2);
    EXPECT_GT(second.left, first.right);
    EXPECT_EQ(Width(first), Width(second));
    Command(CPrintPreview::NextCommand);
    EXPECT_EQ("Pages 2-3 of 3", host.status);
    EXPECT_FALSE(Enabled(CPrintPreview::NextCommand));

    host.drawn.clear();
    UpdateWindow(preview.GetSafeHwnd());
    EXPECT_EQ((std::vector<int>{2, 3}), host.drawn);
    EXPECT_EQ(GetDeviceCaps(screen, HORZRES), host.lastArea.right);

    Command(CPrintPreview::NumPagesCommand);
    EXPECT_EQ(1, host.pagesPerScreen);
    EXPECT_EQ("Page 2 of 3", host.status);
    EXPECT_EQ("&Two Page", Text(CPrintPreview::NumPagesCommand));
}

TEST_F(PrintPreviewTest, ClicksZoomUpToFourTimesAndBackToFit)
{
    Open(2, 1);
    const RECT fit = preview.SheetRect(1);
    EXPECT_FALSE(Enabled(CPrintPreview::ZoomOutCommand));
    const LPARAM at = MAKELPARAM(fit.left + Width(fit) / 2, fit.top + (fit.bottom - fit.top) / 3);
    SendMessageA(preview.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_EQ(2 * Width(fit), Width(preview.SheetRect(1)));
    Command(CPrintPreview::ZoomInCommand);
    EXPECT_EQ(4 * Width(fit), Width(preview.SheetRect(1)));
    EXPECT_FALSE(Enabled(CPrintPreview::ZoomInCommand));
    SendMessageA(preview.GetSafeHwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    EXPECT_EQ(1, preview.CurrentPage()); // zoomed, the wheel scrolls the page
    SendMessageA(preview.GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    EXPECT_EQ(Width(fit), Width(preview.SheetRect(1)));
}

TEST_F(PrintPreviewTest, PrintAndCloseGoToTheHost)
{
    Open(2, 1);
    Command(CPrintPreview::PrintCommand);
    EXPECT_EQ(1, host.prints);
    SendMessageA(preview.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(1, host.closes);
    Command(CPrintPreview::CloseCommand);
    EXPECT_EQ(2, host.closes);
}

} // namespace
