#include "FormatHelper.h"
#include "OptionValues.h"

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

// Values in the order of the nine arguments, results in store order; 3 and
// above keep the stored brace placement, and no argument reaches the sizes or
// indent styles.
TEST(LinesAndOptions, NineValuesReplaceOnlyTheirOptions)
{
    const FormatOptions stored{8, 2, 1, 0, 0, 0, 1, 1, 1, 1, 0, 0, 0};
    FormatOptions reindent = stored;
    ApplySpecialFormatValues(reindent, {2, 2, 2, 3, 3, 1, 0, 0, 0});
    EXPECT_EQ(OptionValues(reindent), (std::vector<int>{8, 2, 2, 0, 0, 0, 1, 2, 2, 0, 0, 0, 1}));
    FormatOptions all = stored;
    ApplySpecialFormatValues(all, {0, 1, 0, 2, 0, 0, 1, 1, 1});
    EXPECT_EQ(OptionValues(all), (std::vector<int>{8, 2, 0, 0, 2, 0, 0, 0, 1, 1, 1, 1, 0}));
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
