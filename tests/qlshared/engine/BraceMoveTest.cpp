// Moving opening and closing braces to their own lines or back.
#include "FormatHelper.h"

#include <gtest/gtest.h>

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
