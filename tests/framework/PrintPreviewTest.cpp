// The print preview driven by its buttons, keys and wheel.
#include "PrintPreview.h"
#include "win/TopWindow.h"

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
    void DrawPage(HDC, const RECT&, int page) const override { drawn.push_back(page); }
    void OnPreviewPrint() override { ++prints; }
    void OnPreviewClose() override { ++closes; }
    void OnPreviewChanged(const std::string& text, int pages) override
    {
        status = text;
        pagesPerScreen = pages;
    }

    mutable std::vector<int> drawn;
    int count = 0, prints = 0, closes = 0, pagesPerScreen = 0;
    std::string status;
};

class PrintPreviewTest : public ::testing::Test
{
protected:
    void Open(int pageCount, int pagesPerScreen)
    {
        host.count = pageCount;
        RECT client;
        GetClientRect(frame.GetSafeHwnd(), &client);
        ASSERT_TRUE(preview.Create(frame.GetSafeHwnd(), client, screen, host, host, pagesPerScreen));
    }
    void Command(UINT id) { SendMessageA(preview.GetSafeHwnd(), WM_COMMAND, id, 0); }
    bool Enabled(UINT id) { return IsWindowEnabled(GetDlgItem(preview.GetSafeHwnd(), id)) != FALSE; }

    void TearDown() override { ReleaseDC(nullptr, screen); }

    HDC screen = GetDC(nullptr);
    Recorder host;
    TopWindow frame{800, 600};
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

TEST_F(PrintPreviewTest, TwoPagesAtATimeUntilTheLastPairThenOne)
{
    Open(3, 2);
    EXPECT_EQ("Pages 1-2 of 3", host.status);
    Command(CPrintPreview::NextCommand);
    EXPECT_EQ("Pages 2-3 of 3", host.status);
    EXPECT_FALSE(Enabled(CPrintPreview::NextCommand));

    host.drawn.clear();
    UpdateWindow(preview.GetSafeHwnd());
    EXPECT_EQ((std::vector<int>{2, 3}), host.drawn);

    Command(CPrintPreview::NumPagesCommand);
    EXPECT_EQ(1, host.pagesPerScreen);
    EXPECT_EQ("Page 2 of 3", host.status);
}

TEST_F(PrintPreviewTest, PrintAndCloseGoToTheHost)
{
    Open(2, 1);
    Command(CPrintPreview::PrintCommand);
    EXPECT_EQ(1, host.prints);
    Command(CPrintPreview::CloseCommand);
    EXPECT_EQ(1, host.closes);
}

} // namespace
