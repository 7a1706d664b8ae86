#include "LineArray.h"

#include <gtest/gtest.h>

#include <string>

// Settled lines move into the result as the walk goes; the last one can
// still take a joined brace, the others are final and trimmed.
TEST(SettledLines, LastStaysChangeableOthersAreFinal)
{
    const struct
    {
        std::size_t settle;
        const char* settledAs; // the bytes it settles with, or its own
        void (*edit)(CLineArray& lines);
        const char* expected;
    } cases[] = {
        {1, nullptr, nullptr, "a\nb\t\nc \n"},
        {1, "B  ", nullptr, "a\nB  \nc \n"},
        {1, nullptr, [](CLineArray& lines) { lines.Truncate(1, 1); }, "a\nb\nc \n"},
        {1, nullptr, [](CLineArray& lines) { lines.Append(1, " {"); }, "a\nb\t {\nc \n"},
        {1, nullptr, [](CLineArray& lines) { lines.Set(1, "x"); }, "a\nx\nc \n"},
        {2, nullptr, nullptr, "a\nb\nc \n"},
    };
    for (const auto& c : cases)
    {
        CLineArray lines;
        lines.Split("a  \nb\t\nc \n");
        lines.TrimSettledLines();
        if (c.settledAs)
            lines.Settle(c.settle, c.settledAs);
        else
            lines.Settle(c.settle);
        if (c.edit)
            c.edit(lines);
        EXPECT_EQ(lines[0], "a") << c.expected;
        const std::string second(lines[1]);
        std::string text;
        lines.JoinInto(text);
        EXPECT_EQ(text, c.expected);
        EXPECT_EQ(second, text.substr(2, text.find('\n', 2) - 2)) << c.expected;
    }
}

// Packing the bytes of a line rewritten again and again must leave the
// settled lines alone.
TEST(SettledLines, PackingSkipsSettledLines)
{
    CLineArray lines;
    lines.Split("first\nsecond\nthird\n");
    lines.Settle(1, "SECOND!");
    std::string grown;
    for (int i = 0; i < 40; ++i)
    {
        grown.append(100000, static_cast<char>('a' + i % 26));
        lines.Set(2, grown);
    }
    EXPECT_EQ(lines[1], "SECOND!");
    std::string text;
    lines.JoinInto(text);
    EXPECT_EQ(text, "first\nSECOND!\n" + grown + "\n");
}
