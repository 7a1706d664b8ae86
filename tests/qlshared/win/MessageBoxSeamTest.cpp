// The message-box seam itself: scripts, nesting, and the Windows sink's
// mapping of styles and answers.
#include "MessageBoxScript.h"
#include "WinMessageSink.h"

#include <gtest/gtest.h>

TEST(MessageBoxSeamTest, ScriptsSeeEveryArgumentAndNestWithTheirOwnAnswers)
{
    MessageBoxScript outer(IDYES);
    {
        MessageBoxScript inner(IDNO);
        EXPECT_EQ(ShowMessageBox(GetDesktopWindow(), "t", "c", MB_YESNO | MB_ICONQUESTION), IDNO);
        ASSERT_EQ(inner.shown.size(), 1u);
        EXPECT_EQ(inner.shown[0].owner, GetDesktopWindow());
        EXPECT_EQ(inner.shown[0].text + inner.shown[0].caption, "tc");
        EXPECT_EQ(inner.shown[0].type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    }
    EXPECT_EQ(ShowMessageBox(nullptr, "outer", "c", MB_YESNO), IDYES);
    EXPECT_EQ(outer.shown.size(), 1u);
}

TEST(MessageBoxSeamTest, TheSinkMapsStylesToButtonsAndButtonsToAnswers)
{
    MessageBoxScript no(IDNO);
    CWinMessageSink sink(GetDesktopWindow());
    EXPECT_EQ(sink.Show("q", "c", MessageStyle::YesNoQuestion), MessageAnswer::No);
    sink.Show("a", "c", MessageStyle::Ok);
    sink.Show("b", "c", MessageStyle::OkStop);
    sink.Show("d", "c", MessageStyle::OkInformation);
    std::vector<UINT> types;
    for (const ShownBox& box : no.shown)
        types.push_back(box.type);
    EXPECT_EQ(types,
              (std::vector<UINT>{MB_YESNO | MB_ICONQUESTION, MB_OK, MB_OK | MB_ICONSTOP, MB_OK | MB_ICONINFORMATION}));
    MessageBoxScript yes(IDYES);
    EXPECT_EQ(CWinMessageSink().Show("q", "c", MessageStyle::YesNoQuestion), MessageAnswer::Yes);
    EXPECT_EQ(yes.shown.at(0).owner, nullptr);
}
