#include "LineArray.h"

#include <gtest/gtest.h>

#include <string>

// Settled lines move into the result as the walk goes; the last one can
// still take a joined brace, the others are final and trimmed.
TEST(SettledLines, LastStaysChangeableOthersAreFinal)
{
    const struct
    {
        const char* name;
        void (*edit)(CLineArray& lines);
        const char* expected;
    } cases[] = {
        {"settled as stored", [](CLineArray& lines) { lines.Settle(1); }, "a\nb\t\nc \n"},
        {"settled with new bytes", [](CLineArray& lines) { lines.Settle(1, "B  "); }, "a\nB  \nc \n"},
        {"brace joined onto the last",
         [](CLineArray& lines)
         {
             lines.Settle(1);
             lines.Truncate(1, 1);
             lines.Append(1, " {");
         },
         "a\nb {\nc \n"},
        {"last rewritten",
         [](CLineArray& lines)
         {
             lines.Settle(1);
             lines.Set(1, "x");
         },
         "a\nx\nc \n"},
        {"all settled", [](CLineArray& lines) { lines.Settle(2); }, "a\nb\nc \n"},
    };
    for (const auto& c : cases)
    {
        CLineArray lines;
        lines.Split("a  \nb\t\nc \n");
        lines.TrimSettledLines();
        c.edit(lines);
        EXPECT_EQ(lines[0], "a") << c.name;
        std::string text;
        lines.JoinInto(text);
        EXPECT_EQ(text, c.expected) << c.name;
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
