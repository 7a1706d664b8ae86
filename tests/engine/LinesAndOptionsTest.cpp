#include "FormatHelper.h"

#include <gtest/gtest.h>

TEST(LinesAndOptions, SplitsAtLineFeedsAndJoinsWithThem)
{
    const FormatOptions none;
    const struct
    {
        std::string input, expected;
    } cases[] = {
        {"", ""},
        {"\n", "\n"},
        {"a\n", "a\n"},
        {"a\r", "a\n"},
        {"a\r\nb", "a\nb\n"},
        {"a\n\n\nb\n", "a\n\n\nb\n"},
        {"a\rb\n", "a\rb\n"},      // a CR inside a line stays
        {"a\r\r\n", "a\r\n"},      // only one CR is dropped
        {std::string("a\nb\0c\n", 6), "a\nb\n"},
        {std::string("\0a", 2), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatWith(c.input, none), c.expected) << c.input;
}

TEST(LinesAndOptions, NoChangeOptionsKeepTextApartFromLineEnds)
{
    const std::string text = "int f( int a ){\r\n\tif(a)  { return a+1 ; }  \r\n  x=y ;\t\n}";
    FormatOptions options;
    options.SpellCheckComments = 1;
    options.SpellCheckText = 1;
    EXPECT_EQ(FormatWith(text, options), "int f( int a ){\n\tif(a)  { return a+1 ; }  \n  x=y ;\t\n}\n");
}

TEST(LinesAndOptions, ConstructorCopiesEveryOption)
{
    FormatOptions o;
    o.TabSize = 3;
    o.IndentSize = 5;
    o.SpaceTabStyle = 0;
    o.OpenIndentStyle = 1;
    o.OpenNewLineStyle = 0;
    o.CloseIndentStyle = 0;
    o.CloseNewLineStyle = 1;
    o.ParenthesesSpace = 1;
    o.OperatorSpace = 0;
    o.DeleteTrailingWhiteSpace = 1;
    o.RecalculateIndents = 1;
    o.SpellCheckComments = 1;
    o.SpellCheckText = 1;
    const CCodeFormatter f("a\nb", o);
    EXPECT_EQ(f.TabSize, 3);
    EXPECT_EQ(f.IndentSize, 5);
    EXPECT_EQ(f.SpaceTabStyle, 0);
    EXPECT_EQ(f.OpenIndentStyle, 1);
    EXPECT_EQ(f.OpenNewLineStyle, 0);
    EXPECT_EQ(f.CloseIndentStyle, 0);
    EXPECT_EQ(f.CloseNewLineStyle, 1);
    EXPECT_EQ(f.ParenthesesSpace, 1);
    EXPECT_EQ(f.OperatorSpace, 0);
    EXPECT_EQ(f.DeleteTrailingWhiteSpace, 1);
    EXPECT_EQ(f.RecalculateIndents, 1);
    EXPECT_EQ(f.SpellCheckComments, 1);
    EXPECT_EQ(f.SpellCheckText, 1);
    EXPECT_EQ(f.AfterDo, 0);
    EXPECT_EQ(f.ProgressDialog, nullptr);
    EXPECT_EQ(f.Lines.Size(), 2u);
    EXPECT_EQ(f.GetResult(), "a\nb");
}

TEST(LinesAndOptions, NineValuesReplaceOnlyTheirOptions)
{
    FormatOptions stored;
    stored.TabSize = 8;
    stored.IndentSize = 2;
    stored.OpenIndentStyle = 0;
    stored.CloseIndentStyle = 0;
    stored.OpenNewLineStyle = 0;
    stored.CloseNewLineStyle = 1;

    FormatOptions reindent = stored;
    ApplySpecialFormatValues(reindent, {2, 2, 2, 3, 3, 1, 0, 0, 0});
    EXPECT_EQ(reindent.OpenNewLineStyle, 0);
    EXPECT_EQ(reindent.CloseNewLineStyle, 1);
    EXPECT_EQ(reindent.RecalculateIndents, 1);
    EXPECT_EQ(reindent.TabSize, 8);
    EXPECT_EQ(reindent.IndentSize, 2);
    EXPECT_EQ(reindent.OpenIndentStyle, 0);
    EXPECT_EQ(reindent.CloseIndentStyle, 0);

    FormatOptions all = stored;
    ApplySpecialFormatValues(all, {0, 1, 0, 2, 0, 0, 1, 1, 1});
    EXPECT_EQ(all.ParenthesesSpace, 0);
    EXPECT_EQ(all.OperatorSpace, 1);
    EXPECT_EQ(all.SpaceTabStyle, 0);
    EXPECT_EQ(all.OpenNewLineStyle, 2);
    EXPECT_EQ(all.CloseNewLineStyle, 0);
    EXPECT_EQ(all.RecalculateIndents, 0);
    EXPECT_EQ(all.SpellCheckText, 1);
    EXPECT_EQ(all.SpellCheckComments, 1);
    EXPECT_EQ(all.DeleteTrailingWhiteSpace, 1);

    FormatOptions high = stored;
    ApplySpecialFormatValues(high, {2, 2, 2, 7, 4, 0, 0, 0, 0});
    EXPECT_EQ(high.OpenNewLineStyle, 0);
    EXPECT_EQ(high.CloseNewLineStyle, 1);
}

TEST(LinesAndOptions, StoredIndentOptionsShapeTheResult)
{
    const std::string text = "if (a) {\nx;\n}\n";
    FormatOptions narrow = Reindenting();
    narrow.IndentSize = 2;
    FormatOptions indented = Reindenting();
    indented.OpenIndentStyle = 0;
    indented.CloseIndentStyle = 0;
    EXPECT_EQ(FormatWith(text, Reindenting()), "if (a) {\n    x;\n}\n");
    EXPECT_EQ(FormatWith(text, narrow), "if (a) {\n  x;\n}\n");
    EXPECT_EQ(FormatWith(text, indented), "if (a) {\n    x;\n    }\n");
}
