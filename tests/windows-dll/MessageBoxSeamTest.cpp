#include "MessageBoxScript.h"
#include "WinMessageSink.h"

#include <gtest/gtest.h>

TEST(MessageBoxSeamTest, TheHandlerSeesEveryArgumentAndGivesTheAnswer)
{
    MessageBoxScript boxes(IDNO);
    const HWND owner = GetDesktopWindow();
    EXPECT_EQ(ShowMessageBox(owner, "text", "caption", MB_YESNO | MB_ICONQUESTION), IDNO);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].owner, owner);
    EXPECT_EQ(boxes.Shown()[0].text, "text");
    EXPECT_EQ(boxes.Shown()[0].caption, "caption");
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
}

TEST(MessageBoxSeamTest, ScriptsNestAndRestoreTheirPredecessor)
{
    MessageBoxScript outer(IDYES);
    {
        MessageBoxScript inner(IDNO);
        EXPECT_EQ(ShowMessageBox(nullptr, "inner", "c", MB_YESNO), IDNO);
        EXPECT_EQ(inner.Shown().size(), 1u);
    }
    EXPECT_EQ(ShowMessageBox(nullptr, "outer", "c", MB_YESNO), IDYES);
    ASSERT_EQ(outer.Shown().size(), 1u);
    EXPECT_EQ(outer.Shown()[0].text, "outer");
}

TEST(MessageBoxSeamTest, TheSinkMapsStylesToButtonsAndButtonsToAnswers)
{
    const HWND owner = GetDesktopWindow();
    {
        MessageBoxScript boxes(IDYES);
        CWinMessageSink sink(owner);
        EXPECT_EQ(sink.Show("q", "c", MessageStyle::YesNoQuestion), MessageAnswer::Yes);
        ASSERT_EQ(boxes.Shown().size(), 1u);
        EXPECT_EQ(boxes.Shown()[0].owner, owner);
        EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    }
    {
        MessageBoxScript boxes(IDNO);
        EXPECT_EQ(CWinMessageSink().Show("q", "c", MessageStyle::YesNoQuestion), MessageAnswer::No);
    }
    MessageBoxScript boxes(IDOK);
    CWinMessageSink sink;
    EXPECT_EQ(sink.Show("a", "c", MessageStyle::Ok), MessageAnswer::Ok);
    EXPECT_EQ(sink.Show("b", "c", MessageStyle::OkStop), MessageAnswer::Ok);
    EXPECT_EQ(sink.Show("d", "c", MessageStyle::OkInformation), MessageAnswer::Ok);
    ASSERT_EQ(boxes.Shown().size(), 3u);
    EXPECT_EQ(boxes.Shown()[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(boxes.Shown()[1].type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
    EXPECT_EQ(boxes.Shown()[2].type, static_cast<UINT>(MB_OK | MB_ICONINFORMATION));
    EXPECT_EQ(boxes.Shown()[0].owner, nullptr);
}
