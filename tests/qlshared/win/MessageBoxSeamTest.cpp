// The Windows sink's mapping of message styles to boxes and of buttons to
// answers.
#include "WinMessageSink.h"
#include "win/MessageBoxScript.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(no.shown[0].owner, GetDesktopWindow());
    MessageBoxScript yes(IDYES);
    EXPECT_EQ(CWinMessageSink().Show("q", "c", MessageStyle::YesNoQuestion), MessageAnswer::Yes);
    EXPECT_EQ(yes.shown.at(0).owner, nullptr);
}
