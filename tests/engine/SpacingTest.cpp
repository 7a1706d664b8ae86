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

// Each row: operator and parenthesis styles, one line in, the line out.
TEST(Spacing, OperatorsAndParentheses)
{
    const struct
    {
        int operators, parentheses;
        std::string input, expected;
    } cases[] = {
        {0, 2, "a=b+c;", "a = b + c;"},
        {0, 2, "f(a,b)", "f(a , b)"},
        {0, 2, "p->x", "p -> x"},
        {0, 2, "x=1e-5+2.0E+3;", "x = 1e-5 + 2.0E+3;"},
        {0, 2, "a<<=2", "a <<= 2"},
        {0, 2, "x = -y;", "x = - y;"},
        {0, 2, "x = !ok;", "x = ! ok;"},
        {0, 2, "a+", "a+"},
        {0, 2, "a\t=b", "a\t = b"},
        {0, 2, "s = \"a+b\"+'-';", "s = \"a+b\" + '-';"},
        {0, 2, "#include <a.h>", "#include <a.h>"},
        {0, 2, "a // b+c", "a // b+c"},
        {0, 2, "a * /* c */ b", "a * /* c */ b"},
        {0, 2, "a*/*c*/b", "a*/*c*/b"},
        {0, 2, "i++;j--;", "i ++ ;j -- ;"},
        {0, 2, "a  ==   b", "a  ==   b"},
        {0, 2, "e-1", "e - 1"},
        {1, 2, "x = y * 2;", "x=y*2;"},
        {1, 2, "a  <<=  b , c", "a<<=b,c"},
        {1, 2, "a\t+\tb", "a\t+\tb"},
        {1, 2, "a +", "a +"},
        {2, 0, "f(a)", "f( a )"},
        {2, 0, "f()", "f( )"},
        {2, 0, "g( f(a) )", "g( f( a ) )"},
        {2, 1, "f( a )", "f(a)"},
        {2, 1, "f(   )", "f()"},
        {2, 1, "if ( a ) {", "if (a) {"},
        {2, 1, "f(\ta\t)", "f(\ta\t)"},
        {0, 0, "f(a, b);", "f( a , b );"},
        // What follows a closed-up parenthesis is still recognised.
        {2, 1, "if (a )/* ( x ) */", "if (a)/* ( x ) */"},
        {2, 1, "f(a )\"(x )\"", "f(a)\"(x )\""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(Line(c.input, Spacing(c.operators, c.parentheses)), c.expected);
    }
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
