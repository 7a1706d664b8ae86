#include "FormatHelper.h"

#include <gtest/gtest.h>

namespace
{
FormatOptions Spacing(int operators, int parentheses)
{
    FormatOptions options;
    options.OperatorSpace = operators;
    options.ParenthesesSpace = parentheses;
    return options;
}

std::string Line(const std::string& text, const FormatOptions& options)
{
    const std::string result = FormatWith(text + "\n", options);
    return result.substr(0, result.size() - 1);
}
}

TEST(Spacing, OperatorsSpaced)
{
    const FormatOptions options = Spacing(0, 2);
    const struct
    {
        std::string input, expected;
    } cases[] = {
        {"a=b+c;", "a = b + c;"},
        {"f(a,b)", "f(a , b)"},
        {"p->x", "p -> x"},
        {"x=1e-5+2.0E+3;", "x = 1e-5 + 2.0E+3;"},
        {"a<<=2", "a <<= 2"},
        {"x = -y;", "x = - y;"},
        {"x = !ok;", "x = ! ok;"},
        {"a+", "a+"},
        {"a\t=b", "a\t = b"},
        {"s = \"a+b\"+'-';", "s = \"a+b\" + '-';"},
        {"#include <a.h>", "#include <a.h>"},
        {"a // b+c", "a // b+c"},
        {"a * /* c */ b", "a * /* c */ b"},
        {"a*/*c*/b", "a*/*c*/b"},
        {"i++;j--;", "i ++ ;j -- ;"},
        {"a  ==   b", "a  ==   b"},
        {"e-1", "e - 1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Line(c.input, options), c.expected) << c.input;
}

TEST(Spacing, OperatorsClosed)
{
    const FormatOptions options = Spacing(1, 2);
    EXPECT_EQ(Line("x = y * 2;", options), "x=y*2;");
    EXPECT_EQ(Line("a  <<=  b , c", options), "a<<=b,c");
    EXPECT_EQ(Line("a\t+\tb", options), "a\t+\tb");
    EXPECT_EQ(Line("a +", options), "a +");
}

TEST(Spacing, Parentheses)
{
    EXPECT_EQ(Line("f(a)", Spacing(2, 0)), "f( a )");
    EXPECT_EQ(Line("f()", Spacing(2, 0)), "f( )");
    EXPECT_EQ(Line("g( f(a) )", Spacing(2, 0)), "g( f( a ) )");
    EXPECT_EQ(Line("f( a )", Spacing(2, 1)), "f(a)");
    EXPECT_EQ(Line("f(   )", Spacing(2, 1)), "f()");
    EXPECT_EQ(Line("if ( a ) {", Spacing(2, 1)), "if (a) {");
    EXPECT_EQ(Line("f(\ta\t)", Spacing(2, 1)), "f(\ta\t)");
    EXPECT_EQ(Line("f(a, b);", Spacing(0, 0)), "f( a , b );");
    // What follows a closed-up parenthesis is still recognised.
    EXPECT_EQ(Line("if (a )/* ( x ) */", Spacing(2, 1)), "if (a)/* ( x ) */");
    EXPECT_EQ(Line("f(a )\"(x )\"", Spacing(2, 1)), "f(a)\"(x )\"");
}

TEST(Spacing, LeadingOperatorsKeepTheirIndentation)
{
    FormatOptions options = Spacing(1, 1);
    options.RecalculateIndents = 1;
    EXPECT_EQ(FormatWith("x = a\n+ b;\n", options), "x=a\n    +b;\n");
    EXPECT_EQ(FormatWith("f(a,\nb\n);\n", options), "f(a,\n    b\n    );\n");
    EXPECT_EQ(FormatWith("{\n  ) + b\n}\n", options), "{\n    )+b\n}\n");
    options.RecalculateIndents = 0;
    EXPECT_EQ(FormatWith("  && b\n\t || c\n  )\n", options), "  &&b\n\t ||c\n  )\n");
}

TEST(Spacing, OperatorMatching)
{
    CCodeFormatter spaced("", Spacing(0, 2));
    bool before = false;
    bool after = false;
    EXPECT_EQ(spaced.MatchOperator(std::string("a>>=b"), 1, before, after), ">>=");
    EXPECT_TRUE(before && after);
    EXPECT_EQ(spaced.MatchOperator(std::string(" e-5"), 2, before, after), "");
    EXPECT_FALSE(before || after);
    EXPECT_EQ(spaced.MatchOperator(std::string("xe-5"), 2, before, after), "-");
    EXPECT_EQ(spaced.MatchOperator(std::string("a */ b"), 2, before, after), "*");
    EXPECT_EQ(spaced.MatchOperator(std::string("a *\t/ /*"), 2, before, after), "");
    EXPECT_EQ(spaced.MatchOperator(std::string("a"), 1, before, after), "");
    CCodeFormatter closed("", Spacing(1, 2));
    EXPECT_EQ(closed.MatchOperator(std::string("=="), 0, before, after), "==");
    EXPECT_FALSE(before || after);
}
