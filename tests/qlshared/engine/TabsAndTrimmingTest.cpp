#include "FormatHelper.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace
{
FormatOptions Tabs(int style, int tabSize)
{
    FormatOptions options;
    options.SpaceTabStyle = TabConversion{style};
    options.TabSize = tabSize;
    return options;
}

// Conversion as the simplest reading of it: replace the first occurrence in
// every line, again and again until no line changes.
std::string ReplacedRepeatedly(const std::string& text, const std::string& search, const std::string& replacement)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();)
    {
        const std::size_t feed = text.find('\n', start);
        lines.push_back(text.substr(start, feed - start));
        start = feed + 1;
    }
    for (bool changed = true; changed;)
    {
        changed = false;
        for (std::string& line : lines)
        {
            const std::size_t at = line.find(search);
            if (at != std::string::npos)
            {
                line.replace(at, search.size(), replacement);
                changed = true;
            }
        }
    }
    std::string result;
    for (const std::string& line : lines)
        result += line + "\n";
    return result;
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
        const std::string spaces(static_cast<std::size_t>(tabSize), ' ');
        EXPECT_EQ(FormatWith(text, Tabs(0, tabSize)), ReplacedRepeatedly(text, "\t", spaces)) << tabSize;
        EXPECT_EQ(FormatWith(text, Tabs(1, tabSize)), ReplacedRepeatedly(text, spaces, "\t")) << tabSize;
    }
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
