#include "FormatCommandTable.h"
#include "FormatHelper.h"
#include "FormatOptionTable.h"
#include "OptionValues.h"

#include <gtest/gtest.h>

#include <iterator>
#include <vector>

// The spell-check options change nothing but line ends either.
TEST(LinesAndOptions, SplitsAtLineFeedsAndJoinsWithThem)
{
    FormatOptions none;
    none.SpellCheckComments = OnOff::On;
    none.SpellCheckText = OnOff::On;
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
        {"a\rb\n", "a\rb\n"}, // a CR inside a line stays
        {"a\r\r\n", "a\r\n"}, // only one CR is dropped
        {std::string("a\nb\0c\n", 6), "a\nb\n"},
        {std::string("\0a", 2), ""},
        {"int f( int a ){\r\n\tif(a)  { return a+1 ; }  \r\n  x=y ;\t\n}",
         "int f( int a ){\n\tif(a)  { return a+1 ; }  \n  x=y ;\t\n}\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatWith(c.input, none), c.expected) << c.input;
}

// Results in store order; KeepStored keeps the stored brace placement, and no
// argument reaches the sizes or indent styles.
TEST(LinesAndOptions, NineValuesReplaceOnlyTheirOptions)
{
    FormatOptions stored;
    stored.TabSize = 8;
    stored.IndentSize = 2;
    stored.SpaceTabStyle = TabConversion::SpacesToTabs;
    stored.OpenIndentStyle = BraceIndent::Indent;
    stored.OpenNewLineStyle = BracePlacement::OwnLine;
    stored.CloseIndentStyle = BraceIndent::Indent;
    stored.CloseNewLineStyle = BracePlacement::Joined;
    stored.ParenthesesSpace = Spacing::NoSpace;
    stored.OperatorSpace = Spacing::NoSpace;
    stored.DeleteTrailingWhiteSpace = OnOff::On;
    const auto applied = [&](const SpecialFormatValues& values)
    {
        FormatOptions options = stored;
        ApplySpecialFormatValues(options, values);
        return OptionValues(options);
    };
    EXPECT_EQ(applied({.OpenNewLineStyle = BracePlacement{3},
                       .CloseNewLineStyle = BracePlacement{3},
                       .RecalculateIndents = OnOff::On}),
              (std::vector<int>{8, 2, 2, 0, 0, 0, 1, 2, 2, 0, 0, 0, 1}));
    EXPECT_EQ(applied({Spacing{0}, Spacing{1}, TabConversion{0}, BracePlacement{2}, BracePlacement{0}, OnOff{0},
                       OnOff{1}, OnOff{1}, OnOff{1}}),
              (std::vector<int>{8, 2, 0, 0, 2, 0, 0, 0, 1, 1, 1, 1, 0}));
}

// Under stored options that would change every aspect, each command set
// changes its own (reindent also places braces as stored); full uses them all.
TEST(LinesAndOptions, EachCommandSetChangesItsOwnAspect)
{
    FormatOptions stored;
    stored.SpaceTabStyle = TabConversion::SpacesToTabs;
    stored.OpenNewLineStyle = BracePlacement::OwnLine;
    stored.CloseNewLineStyle = BracePlacement::OwnLine;
    stored.ParenthesesSpace = Spacing::NoSpace;
    stored.OperatorSpace = Spacing::NoSpace;
    stored.DeleteTrailingWhiteSpace = OnOff::On;
    const std::string text = "if (a) {\tx = f( b+c );   \n        y; }\n";
    const struct
    {
        const char* command;
        std::string expected;
    } cases[] = {
        {"full", "if (a)\n{\n\tx=f(b+c);\n\t\ty;\n}\n"},
        {"reindent", "if (a) \n{\n    x = f( b+c );   \n    y; \n}\n"},
        {"tabify", "if (a) {\tx = f( b+c );   \n\t\ty; }\n"},
        {"untabify", "if (a) {    x = f( b+c );   \n        y; }\n"},
        {"operator-expand", "if (a) {\tx = f( b + c );   \n        y; }\n"},
        {"operator-contract", "if (a) {\tx=f( b+c );   \n        y; }\n"},
        {"parentheses-expand", "if ( a ) {\tx = f( b+c );   \n        y; }\n"},
        {"parentheses-contract", "if (a) {\tx = f(b+c);   \n        y; }\n"},
        {"delete-trailing-whitespace", "if (a) {\tx = f( b+c );\n        y; }\n"},
    };
    static_assert(std::size(cases) == FormatCommandCount);
    for (std::size_t i = 0; i < FormatCommandCount; ++i)
    {
        const FormatCommandSet& set = FormatCommandSets[i];
        ASSERT_STREQ(set.name, cases[i].command);
        FormatOptions options = stored;
        if (!set.usesStoredOptions)
            ApplySpecialFormatValues(options, set.values);
        EXPECT_EQ(FormatWith(text, options), cases[i].expected) << set.name;
    }
}

TEST(LinesAndOptions, StoredIndentOptionsShapeTheResult)
{
    const std::string text = "if (a) {\nx;\n}\n";
    FormatOptions narrow = Reindenting();
    narrow.IndentSize = 2;
    FormatOptions indented = Reindenting();
    indented.OpenIndentStyle = BraceIndent::Indent;
    indented.CloseIndentStyle = BraceIndent::Indent;
    EXPECT_EQ(FormatWith(text, Reindenting()), "if (a) {\n    x;\n}\n");
    EXPECT_EQ(FormatWith(text, narrow), "if (a) {\n  x;\n}\n");
    EXPECT_EQ(FormatWith(text, indented), "if (a) {\n    x;\n    }\n");
    // An indented opening brace keeps what the statement before it owes.
    EXPECT_EQ(FormatWith("if (a)\n{\nx;\n}\n", indented), "if (a)\n        {\n        x;\n    }\n");
}

// The store and the pages can hold numbers outside an option's choices (a
// radio group with nothing checked saves -1): each acts as one of the choices,
// as it always has. The text tells apart the choices that act differently.
TEST(LinesAndOptions, StoredNumbersOutsideTheChoicesActAsOneOfThem)
{
    const std::string text = "if (a) { x = f( b+c );\t\n    y; }\nelse\n{\n  z;\n}\n";
    const struct
    {
        FormatOptionMember member;
        bool reindented;
        int stored;
        int actsAs;
    } cases[] = {
        {&FormatOptions::OperatorSpace, false, -1, 1}, // any number below Keep closes up
        {&FormatOptions::OperatorSpace, false, 3, 2},      {&FormatOptions::ParenthesesSpace, false, -1, 2},
        {&FormatOptions::ParenthesesSpace, false, 7, 2},   {&FormatOptions::SpaceTabStyle, false, -1, 2},
        {&FormatOptions::SpaceTabStyle, false, 3, 2},      {&FormatOptions::OpenNewLineStyle, false, -1, 2},
        {&FormatOptions::OpenNewLineStyle, false, 3, 2},   {&FormatOptions::CloseNewLineStyle, false, -1, 2},
        {&FormatOptions::CloseNewLineStyle, false, 3, 2},  {&FormatOptions::OpenIndentStyle, true, -1, 1},
        {&FormatOptions::CloseIndentStyle, true, 3, 1},    {&FormatOptions::DeleteTrailingWhiteSpace, false, -1, 1},
        {&FormatOptions::RecalculateIndents, false, 7, 1},
    };
    for (const auto& c : cases)
    {
        const FormatOptionSpec& option = FormatOptionOf(c.member);
        SCOPED_TRACE(std::string(option.name) + " " + std::to_string(c.stored));
        const auto formatted = [&](int value)
        {
            FormatOptions options = c.reindented ? Reindenting() : FormatOptions();
            option.Set(options, value);
            return FormatWith(text, options);
        };
        EXPECT_EQ(formatted(c.stored), formatted(c.actsAs));
    }
}
