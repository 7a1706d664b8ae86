#include "FormatHelper.h"

#include <gtest/gtest.h>

namespace
{
FormatOptions Tabs(int style, int tabSize)
{
    FormatOptions options;
    options.SpaceTabStyle = TabConversion{style};
    options.TabSize = tabSize;
    return options;
}
} // namespace

TEST(TabsAndTrimming, TabsBecomeSpacesWithoutTabStops)
{
    EXPECT_EQ(FormatWith("\tx\na\tb\n", Tabs(0, 4)), "    x\na    b\n");
    EXPECT_EQ(FormatWith("\t\ta\t\n", Tabs(0, 2)), "    a  \n");
    EXPECT_EQ(FormatWith("\ta\tb\t\n", Tabs(0, 0)), "ab\n");
    EXPECT_EQ(FormatWith("\ta  b\n", Tabs(2, 4)), "\ta  b\n");
}

TEST(TabsAndTrimming, SpaceRunsBecomeTabs)
{
    EXPECT_EQ(FormatWith("        x\n      x\na    b\ns = \"    \";\n", Tabs(1, 4)),
              "\t\tx\n\t  x\na\tb\ns = \"\t\";\n");
    EXPECT_EQ(FormatWith("   a     b\n", Tabs(1, 3)), "\ta\t  b\n");
    EXPECT_EQ(FormatWith("    x\n", Tabs(1, 0)), "    x\n");
    EXPECT_EQ(FormatWith("    x\n", Tabs(1, -1)), "    x\n");
}

TEST(TabsAndTrimming, TrailingWhiteSpace)
{
    FormatOptions options;
    options.DeleteTrailingWhiteSpace = OnOff::On;
    EXPECT_EQ(FormatWith("a \t\v\f\nb\r\r\n \t\n\nc", options), "a\nb\n\n\nc\n");
    options.SpaceTabStyle = TabConversion::SpacesToTabs;
    EXPECT_EQ(FormatWith("x        \n", options), "x\n");
}

// A stored size beyond what the Tabs page accepts counts as the nearest end
// of the page's range, so no size can blow the text up.
TEST(TabsAndTrimming, SizesOutsideTheRangeCountAsItsEnds)
{
    EXPECT_EQ(FormatWith("\tx\n", Tabs(0, 2147483647)), std::string(20, ' ') + "x\n");
    EXPECT_EQ(FormatWith("\tx\n", Tabs(0, -5)), "x\n");
    FormatOptions options = Reindenting();
    options.IndentSize = 2147483647;
    EXPECT_EQ(FormatWith("{\nx;\n}\n", options), "{\n" + std::string(20, ' ') + "x;\n}\n");
}
