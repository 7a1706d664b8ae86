// Moving opening and closing braces to their own lines or back, and the
// line split at each brace.
#include "FormatHelper.h"
#include "LineScanner.h"
#include "WorkingLine.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
FormatOptions Braces(int open, int close)
{
    FormatOptions options;
    options.OpenNewLineStyle = BracePlacement{open};
    options.CloseNewLineStyle = BracePlacement{close};
    return options;
}
} // namespace

TEST(BraceMoves, OpeningBraceToNewLine)
{
    FormatOptions options = Braces(0, 2);
    EXPECT_EQ(FormatWith("if (x) {\n}\n", options), "if (x) \n{\n}\n");
    EXPECT_EQ(FormatWith("if (x) { y;\n}\n", options), "if (x) \n{\n    y;\n}\n");
    EXPECT_EQ(FormatWith("{\nif (x) {   y;\n}\n}\n", options), "{\nif (x) \n    {\n        y;\n}\n}\n");
    EXPECT_EQ(FormatWith("  {\n{\n", options), "  {\n{\n");                        // already first on its line
    EXPECT_EQ(FormatWith("}\nif (a) { b;\n", options), "}\nif (a) \n{\n    b;\n"); // depth 0 inside
    // A block that closes on its line does not balance a brace opened after it.
    EXPECT_EQ(FormatWith("if (a) { b; } else {\n}\n", options), "if (a) \n{\n    b; } else \n{\n}\n");
    options.OpenIndentStyle = BraceIndent::Indent;
    EXPECT_EQ(FormatWith("if (x) {\n}\n", options), "if (x) \n    {\n}\n");
    options.SpaceTabStyle = TabConversion::SpacesToTabs;
    EXPECT_EQ(FormatWith("{\nif (x) { y;\n}\n}\n", options), "{\nif (x) \n\t\t{\n\t\ty;\n}\n}\n");
    options.DeleteTrailingWhiteSpace = OnOff::On;
    EXPECT_EQ(FormatWith("if (x) {\n}\n", options), "if (x)\n\t{\n}\n");
    // Both braces moved, and the lines re-indented.
    options = Braces(0, 0);
    options.RecalculateIndents = OnOff::On;
    EXPECT_EQ(FormatWith("if (a) { x;\ny; } else { z;\n}\n", options),
              "if (a) \n{\n    x;\n    y; \n} else \n{\n    z;\n}\n");
}

TEST(BraceMoves, ClosingBraceToNewLine)
{
    FormatOptions options = Braces(2, 0);
    EXPECT_EQ(FormatWith("if (a) {\nx; } else {\ny;\n}\n", options), "if (a) {\nx; \n} else {\ny;\n}\n");
    EXPECT_EQ(FormatWith("{\nx; }\n", options), "{\nx; \n}\n");
    // A brace inside the comment the line begins in balances nothing.
    EXPECT_EQ(FormatWith("/*\n{ */ x; }\n", options), "/*\n{ */ x; \n}\n");
    options.CloseIndentStyle = BraceIndent::Indent;
    EXPECT_EQ(FormatWith("{\n{\nx; }\n}\n", options), "{\n{\nx; \n        }\n}\n");
    // A line split again and again, with spacing edits between the splits
    // and blanks after the last brace.
    options.OperatorSpace = Spacing::Space;
    EXPECT_EQ(FormatWith("{\n{\n{\na=b}c=d} x}  \n", options),
              "{\n{\n{\na = b\n            }c = d\n        } x\n    }\n");
}

TEST(BraceMoves, BraceJoinsPreviousLine)
{
    const FormatOptions open = Braces(1, 2);
    EXPECT_EQ(FormatWith("if (a)  \n{\nx;\n}\n", open), "if (a) {\nx;\n}\n");
    EXPECT_EQ(FormatWith("if (a)\n  { x;\n}\n", open), "if (a) {\n x;\n}\n");
    EXPECT_EQ(FormatWith("x;\n\n{\n", open), "x;\n {\n");
    EXPECT_EQ(FormatWith("{\n", open), "{\n");
    EXPECT_EQ(FormatWith("a \\\n{\n", open), "a \\\n{\n");
    EXPECT_EQ(FormatWith("a; // c\n{\n", open), "a; // c\n{\n");
    EXPECT_EQ(FormatWith("  #if X\n{\n", open), "  #if X\n{\n");
    EXPECT_EQ(FormatWith("x; {\n", open), "x; {\n"); // code before the brace
    EXPECT_EQ(FormatWith("if (a)\n{\n}\n", Braces(1, 1)), "if (a) { }\n");
    EXPECT_EQ(FormatWith("{\nx;\n}\n", Braces(2, 1)), "{\nx; }\n");
    // Several braces in a row keep joining the same line.
    EXPECT_EQ(FormatWith("{\nx;\n}\n}\n", Braces(2, 1)), "{\nx; } }\n");
    // A long run, and one the rest of a line with a comment interrupts.
    std::string braces;
    std::string joined = "{";
    for (int i = 0; i < 2000; ++i)
    {
        braces += "{\n";
        joined += " {";
    }
    EXPECT_EQ(FormatWith("{\n" + braces, open), joined + "\n");
    EXPECT_EQ(FormatWith("{\n{ // c\n{\n{\n", open), "{ {\n // c\n{ {\n");
}

TEST(BraceMoves, BracesThatNeverMove)
{
    const char* const texts[] = {
        "if (a) { b; }\n",
        "int a[] = { 1, 2 };\n",
        "if (a) { s = \"}\";\n", // the quoted brace still balances the line
        "s = \"{\";\n",
        "c = '{';\n",
        "x; // {\n",
        "if (a) { b; } // {\n",
        "x; /* { */\n",
        "#define B {\n",
    };
    for (int open = 0; open < 2; ++open)
    {
        for (const char* text : texts)
            EXPECT_EQ(FormatWith(std::string("x;\n") + text, Braces(open, open)), std::string("x;\n") + text) << text;
    }
}

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
