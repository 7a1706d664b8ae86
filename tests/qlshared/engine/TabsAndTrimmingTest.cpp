#include "FormatHelper.h"

#include <gtest/gtest.h>

#include <climits>

// Each row: tab style and size, whether trailing white space goes, the text
// and its result. A stored size beyond what the Tabs page accepts counts as
// the nearest end of the page's range, so no size can blow the text up.
TEST(TabsAndTrimming, TabsSpacesAndTrailingWhiteSpace)
{
    const struct
    {
        int style, tabSize;
        bool trim;
        std::string input, expected;
    } cases[] = {
        {0, 4, false, "\tx\na\tb\n", "    x\na    b\n"}, // no tab stops
        {0, 2, false, "\t\ta\t\n", "    a  \n"},
        {0, 0, false, "\ta\tb\t\n", "ab\n"},
        {2, 4, false, "\ta  b\n", "\ta  b\n"},
        {1, 4, false, "        x\n      x\na    b\ns = \"    \";\n", "\t\tx\n\t  x\na\tb\ns = \"\t\";\n"},
        {1, 3, false, "   a     b\n", "\ta\t  b\n"},
        {1, 0, false, "    x\n", "    x\n"},
        {1, -1, false, "    x\n", "    x\n"},
        {0, INT_MAX, false, "\tx\n", std::string(20, ' ') + "x\n"},
        {0, -5, false, "\tx\n", "x\n"},
        {2, 4, true, "a \t\v\f\nb\r\r\n \t\n\nc", "a\nb\n\n\nc\n"},
        {1, 4, true, "x        \n", "x\n"},
    };
    for (const auto& c : cases)
    {
        FormatOptions options;
        options.SpaceTabStyle = TabConversion{c.style};
        options.TabSize = c.tabSize;
        options.DeleteTrailingWhiteSpace = c.trim ? OnOff::On : OnOff::Off;
        EXPECT_EQ(FormatWith(c.input, options), c.expected) << ::testing::PrintToString(c.input);
    }
    FormatOptions options = Reindenting();
    options.IndentSize = INT_MAX;
    EXPECT_EQ(FormatWith("{\nx;\n}\n", options), "{\n" + std::string(20, ' ') + "x;\n}\n");
}
