#include "FormatHelper.h"

#include <gtest/gtest.h>

namespace
{
FormatOptions BraceLevel()
{
    FormatOptions options = Reindenting();
    options.OpenIndentStyle = BraceIndent::NoIndent;
    options.CloseIndentStyle = BraceIndent::NoIndent;
    return options;
}
} // namespace

// Each row: a name, the text, and what re-indenting it gives.
TEST(Indentation, ReindentedUnderBraceLevelStyles)
{
    const struct
    {
        const char* name;
        std::string input, expected;
    } cases[] = {
        {"switch", "switch (n) {\ncase 1:\nif (a)\nb = 1;\nbreak;\n}\n",
         "switch (n) {\ncase 1:\n    if (a)\n        b = 1;\n    break;\n}\n"},
        {"switch inside a word", "{\nmy_switch(n);\ncase 1:\nx;\n}\n",
         "{\n    my_switch(n);\n    case 1:\n    x;\n}\n"},
        {"switch after code", "{\nx; switch (n) {\ncase 1:\ny;\n}\n}\n",
         "{\n    x; switch (n) {\n    case 1:\n        y;\n    }\n}\n"},
        // Labels outside a switch and the lines after the switch closes.
        {"after the switch", "{\nswitch (n)\n{\ndefault:\nx;\n}\ncase_count;\ndefault_x;\n}\n",
         "{\n    switch (n)\n    {\n    default:\n        x;\n    }\n    case_count;\n    default_x;\n}\n"},
        {"for header", "for (i = 0; i < n; i++)\nx;\ny;\n", "for (i = 0; i < n; i++)\n    x;\ny;\n"},
        {"one-line if", "if (a) b;\nc;\n", "if (a) b;\nc;\n"},
        {"nested if", "if (a)\nif (b)\nx;\ny;\n", "if (a)\n    if (b)\n        x;\ny;\n"},
        {"trailing +", "x = a +\nb;\nc;\n", "x = a +\n    b;\nc;\n"},
        {"open paren", "f(\na);\n", "f(\n    a);\n"},
        {"initializer list", "int a[] = {\n1,\n2,\n3\n};\n", "int a[] = {\n    1,\n        2,\n        3\n};\n"},
        {"next begins with operator", "x = a\n+ b;\ny;\n", "x = a\n    + b;\ny;\n"},
        // "} while" closes the do block, so a later while owes its statement.
        {"do block", "do {\nx;\n} while (a);\nwhile (b)\nz;\n", "do {\n    x;\n} while (a);\nwhile (b)\n    z;\n"},
        {"do while", "do\nx;\nwhile (a);\ny;\nwhile (b)\nz;\n", "do\n    x;\nwhile (a);\ny;\nwhile (b)\n    z;\n"},
        {"else", "if (a)\nx;\nelse\ny;\n", "if (a)\n    x;\nelse\n    y;\n"},
        {"keyword inside a word", "iffy(a)\nx;\n", "iffy(a)\nx;\n"},
        {"trailing comment", "x = a + /* c */\nb;\n", "x = a + /* c */\n    b;\n"},
        {"after a directive", "#define X a +\ny;\n", "#define X a +\ny;\n"},
        {"block comment", "{\n/* a\n * b {\n*/\nx;\n}\n", "{\n    /* a\n    * b {\n    */\n    x;\n}\n"},
        {"blank line", "{\n   \n\n}\n  \n", "{\n    \n\n}\n\n"},
        {"slash star slash", "/*/ {\n*/ x;\n", "/*/ {\n*/ x;\n"},
        {"line comment brace", "// {\nx;\n", "// {\nx;\n"},
        {"brace in string", "s = \"{\";\nx;\n", "s = \"{\";\nx;\n"},
        {"comment opener in string", "s = \"/*\";\n{\nx;\n}\n", "s = \"/*\";\n{\n    x;\n}\n"},
        {"escaped quote string", "s = \"\\\"{\";\n{\nx;\n}\n", "s = \"\\\"{\";\n{\n    x;\n}\n"},
        {"even backslashes", "s = \"a\\\\\"; {\nx;\n}\n", "s = \"a\\\\\"; {\n    x;\n}\n"},
        {"quote after a backslash at index 0", "s = \"a\\\n\\\"{\";\nx;\n", "s = \"a\\\n\\\"{\";\n    x;\n"},
        {"continued string", "s = \"a\\\n  {\";\n{\nx;\n}\n", "s = \"a\\\n  {\";\n{\n    x;\n}\n"},
        {"unterminated string", "s = \"{;\n{\nx;\n}\n", "s = \"{;\n{\n    x;\n}\n"},
        {"unbalanced closers", "}\n}\nx;\n{\ny;\n", "}\n}\nx;\n{\ny;\n"},
        // A line already at its width keeps its tabs; others get spaces.
        {"tabs at width", "{\n\tx;\n\t\ty;\n}\n", "{\n\tx;\n    y;\n}\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FormatWith(c.input, BraceLevel()), c.expected);
    }
}

TEST(Indentation, PreprocessorTrimmingAndTabs)
{
    FormatOptions spaced = BraceLevel();
    spaced.OperatorSpace = Spacing::Space;
    EXPECT_EQ(FormatWith("{\n#define X a+b\n  #if Y\n        # define Z a+b\nx=1;\n}\n", spaced),
              "{\n#define X a+b\n    #if Y\n    # define Z a+b\n    x = 1;\n}\n");
    // A continued directive is neither re-indented nor spaced.
    EXPECT_EQ(FormatWith("{\n#define M(a) \\\n  a+1\nx;\n}\n", spaced), "{\n#define M(a) \\\n  a+1\n    x;\n}\n");
    FormatOptions trimmed = BraceLevel();
    trimmed.DeleteTrailingWhiteSpace = OnOff::On;
    EXPECT_EQ(FormatWith("{\n   \n}\n", trimmed), "{\n\n}\n");
    FormatOptions tabs = BraceLevel();
    tabs.SpaceTabStyle = TabConversion::SpacesToTabs;
    tabs.IndentSize = 2;
    EXPECT_EQ(FormatWith("{\n{\nx;\n}\n}\n", tabs), "{\n\t{\n\t\tx;\n\t}\n}\n");
}

// Well indented code comes back unchanged: a directive owes nothing to the
// lines after it, whatever it ends with, and "} else" owes its brace-less
// statement a level as "else" does. Each row: a name, the brace styles, the
// text and what re-indenting it gives (empty: the text itself).
TEST(Indentation, DirectivesOweNothingAndClosingBraceKeywordsOwe)
{
    const BraceIndent no = BraceIndent::NoIndent, in = BraceIndent::Indent;
    const BracePlacement own = BracePlacement::OwnLine, joined = BracePlacement::Joined, keep = BracePlacement::Keep;
    const struct
    {
        const char* name;
        BraceIndent braceIndent;
        BracePlacement closePlacement;
        std::string input;
        std::string expected = {};
    } cases[] = {
        {"include, comment, K&R head", no, keep,
         "#include <stdio.h>\n\n// Entry point\nint main() {\n    int a = 0;\n    return a;\n}\n"},
        {"include, comment, Allman head", no, keep,
         "#include <stdio.h>\n\n// Entry point\nint main()\n{\n    return 0;\n}\n"},
        {"include, braced head", no, keep, "#include <x.h>\nextern \"C\" {\n    int a;\n    int b;\n}\n"},
        {"directive ending in +", no, keep, "#define X a +\n\nint b;\nint c;\n"},
        {"directive ending in (", no, keep, "#define CALL f(\n// c\nint b;\n"},
        {"indented directive", no, keep, "  #include <x>\n\n// c\nint b;\n", "#include <x>\n\n// c\nint b;\n"},
        {"indented directive in a block", no, keep, "{\n#if A\n  #include <x>\n// c\nint b;\n#endif\n}\n",
         "{\n#if A\n    #include <x>\n    // c\n    int b;\n#endif\n}\n"},
        {"continued define", no, keep, "#define M(a) \\\n    (a) + \\\n    1\n\nint b;\n"},
        {"brace-less directive under if", no, keep, "if (a)\n#ifdef X\n    b();\n#endif\nc();\n"},
        {"} else", no, keep, "if (a) {\n    b();\n} else\n    c();\nd();\n"},
        {"} else if", no, keep, "if (a) {\n    b();\n} else if (x)\n    c();\nd();\n"},
        {"}else", no, keep, "if (a) {\n    b();\n}else\n    c();\nd();\n"},
        {"} else {", no, keep, "if (a) {\n    b();\n} else {\n    c();\n}\nd();\n"},
        {"} else, nested", no, keep, "if (a) {\n    b();\n} else\n    if (x)\n        c();\nd();\n"},
        {"} // comment", no, keep, "if (a) {\n    b();\n} // else\nc();\n"},
        {"do block, then while", no, keep, "do {\n    x;\n} while (a);\nwhile (b)\n    z;\n"},
        {"} else, braces indented", in, keep, "if (a) {\n    b();\n    } else\n    c();\nd();\n"},
        {"} else, closing brace on its own line", no, own, "if (a) {\n    b();\n} else\n    c();\nd();\n"},
        // The brace goes up; the else left behind is read on its own line.
        {"} else, closing brace joined", no, joined, "if (a) {\n    b();\n} else\n    c();\nd();\n",
         "if (a) {\n    b(); }\nelse\n    c();\nd();\n"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        FormatOptions options = BraceLevel();
        options.OpenIndentStyle = options.CloseIndentStyle = c.braceIndent;
        options.CloseNewLineStyle = c.closePlacement;
        const std::string& expected = c.expected.empty() ? c.input : c.expected;
        const std::string once = FormatWith(c.input, options);
        EXPECT_EQ(once, expected);
        EXPECT_EQ(FormatWith(once, options), once) << "not settled after one run";
    }
}
