#include "FormatHelper.h"

#include <gtest/gtest.h>

#include <vector>

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

namespace
{
std::vector<int> Values(const FormatOptions& o)
{
    return {o.TabSize, o.IndentSize, o.SpaceTabStyle, o.OpenIndentStyle, o.OpenNewLineStyle,
            o.CloseIndentStyle, o.CloseNewLineStyle, o.ParenthesesSpace, o.OperatorSpace,
            o.DeleteTrailingWhiteSpace, o.RecalculateIndents, o.SpellCheckComments, o.SpellCheckText};
}
}

TEST(LinesAndOptions, ConstructorTakesEveryOption)
{
    const FormatOptions o{3, 5, 0, 1, 0, 0, 1, 1, 0, 1, 1, 1, 1};
    const CCodeFormatter f("a\nb", o);
    EXPECT_EQ(Values({f.TabSize, f.IndentSize, f.SpaceTabStyle, f.OpenIndentStyle, f.OpenNewLineStyle,
                      f.CloseIndentStyle, f.CloseNewLineStyle, f.ParenthesesSpace, f.OperatorSpace,
                      f.DeleteTrailingWhiteSpace, f.RecalculateIndents, f.SpellCheckComments, f.SpellCheckText}),
              Values(o));
    EXPECT_EQ(f.AfterDo, 0);
    EXPECT_EQ(f.ProgressDialog, nullptr);
    EXPECT_EQ(f.Lines.Size(), 2u);
}

// Values in the order of the nine arguments; 3 and above keep the stored
// brace placement, and no argument reaches the sizes or indent styles.
TEST(LinesAndOptions, NineValuesReplaceOnlyTheirOptions)
{
    const FormatOptions stored{8, 2, 1, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0};
    FormatOptions reindent = stored;
    ApplySpecialFormatValues(reindent, {2, 2, 2, 3, 3, 1, 0, 0, 0});
    EXPECT_EQ(Values(reindent), (std::vector<int>{8, 2, 2, 0, 0, 0, 1, 2, 2, 0, 1, 0, 0}));
    FormatOptions all = stored;
    ApplySpecialFormatValues(all, {0, 1, 0, 2, 0, 0, 1, 1, 1});
    EXPECT_EQ(Values(all), (std::vector<int>{8, 2, 0, 0, 2, 0, 0, 0, 1, 1, 0, 1, 1}));
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
