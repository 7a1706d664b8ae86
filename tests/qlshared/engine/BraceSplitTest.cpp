#include "FormatHelper.h"
#include "LineScanner.h"
#include "WorkingLine.h"

#include <gtest/gtest.h>

#include <string>

// A line split at its braces again and again: the pieces after each opening
// brace are walked in place, and must come out as if each were a line read
// afresh.
TEST(BraceSplits, LinesSplitAtEveryBrace)
{
    const std::pair<const char*, const char*> cases[] = {
        {"a{b}c{d\n", "a\n{\n    b\n}c\n{\n    d\n"},
        {"f() { g(); } h { i\n", "f() \n{\n    g(); \n} h \n{\n    i\n"},
        {"x { /* { */ y\n", "x \n{\n    /* { */ y\n"},
        {"p { q } } r {\n", "p \n{\n    q \n} \n} r \n{\n"},
        {"if (a) { b; // { c\n", "if (a) \n{\n    b; // { c\n"},
        // The piece "a{b}}c{" balances, so its braces stay.
        {"{a{b}}c{\n", "{a\n    {\n        b\n    }\n}c\n{\n"},
    };
    FormatOptions options;
    options.OpenNewLineStyle = BracePlacement::OwnLine;
    options.CloseNewLineStyle = BracePlacement::OwnLine;
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(FormatWith(text, options), expected) << text;
}

// The balance of what is left after the front of a line is dropped, kept
// from counts, against a scan of the bytes that are left.
TEST(BraceSplits, BalanceOfWhatIsLeftMatchesAScan)
{
    const char* const lines[] = {"a}b{c}d{e}", "{{}}}x{",          "}{a}",    "{a{b}}c{d}}",  "x{ /* } */ y}", "{a}//{",
                                 "{}{}{",      "a}b{c}d{}} // e}", "{a}/x{}", "/*{a}b{*/ {c}"};
    for (const char* text : lines)
    {
        const std::string line = text;
        for (std::size_t cut = 0; cut <= line.size(); ++cut)
        {
            CWorkingLine working;
            working.Load(line);
            working.HasBalancedBraces();
            working.InsertBlanks(line.size() / 2, 2, ' ');
            working.DropFront(cut);
            working.InsertBlanks(0, 4, ' ');
            const bool counted = working.HasBalancedBraces();
            EXPECT_EQ(counted, LineHasBalancedBraces(working.Contiguous(), false)) << text << " cut at " << cut;
        }
    }
}
