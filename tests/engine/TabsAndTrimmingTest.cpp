#include "FormatHelper.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
FormatOptions Tabs(int style, int tabSize)
{
    FormatOptions options;
    options.SpaceTabStyle = style;
    options.TabSize = tabSize;
    return options;
}
}

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

// The one-pass conversion must give what repeating the first-occurrence
// replacement gives.
TEST(TabsAndTrimming, ConversionMatchesRepeatedFirstReplacement)
{
    std::mt19937 random(7);
    const char alphabet[] = {' ', ' ', ' ', '\t', 'a'};
    std::string text;
    for (int line = 0; line < 200; ++line)
    {
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % sizeof alphabet];
        text += '\n';
    }
    for (int tabSize = 1; tabSize <= 5; ++tabSize)
    {
        for (int style = 0; style < 2; ++style)
        {
            CCodeFormatter repeated(text, FormatOptions());
            const std::string spaces(static_cast<std::size_t>(tabSize), ' ');
            int calls = 0;
            while (style == 0 ? repeated.ReplaceFirstInEachLine("\t", spaces)
                              : repeated.ReplaceFirstInEachLine(spaces, "\t"))
                ++calls;
            EXPECT_GT(calls, 0);
            repeated.Format();
            EXPECT_EQ(FormatWith(text, Tabs(style, tabSize)), repeated.GetResult()) << tabSize << style;
        }
    }
}

TEST(TabsAndTrimming, ReplaceFirstInEachLine)
{
    CCodeFormatter f("a-b-c\nxyz\n--\n", FormatOptions());
    EXPECT_TRUE(f.ReplaceFirstInEachLine("-", "+="));
    EXPECT_FALSE(f.ReplaceFirstInEachLine("q", "r"));
    EXPECT_FALSE(f.ReplaceFirstInEachLine("", "r"));
    f.Format();
    EXPECT_EQ(f.GetResult(), "a+=b-c\nxyz\n+=-\n");
}

TEST(TabsAndTrimming, TrailingWhiteSpace)
{
    FormatOptions options;
    options.DeleteTrailingWhiteSpace = 1;
    EXPECT_EQ(FormatWith("a \t\v\f\nb\r\r\n \t\n\nc", options), "a\nb\n\n\nc\n");
    options.SpaceTabStyle = 1;
    EXPECT_EQ(FormatWith("x        \n", options), "x\n");
}
