#include "FormatHelper.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

namespace
{
FormatOptions SpacedBy(int operators, int parentheses)
{
    FormatOptions options;
    options.OperatorSpace = Spacing{operators};
    options.ParenthesesSpace = Spacing{parentheses};
    return options;
}

std::string Line(const std::string& text, const FormatOptions& options)
{
    const std::string result = FormatWith(text + "\n", options);
    return result.substr(0, result.size() - 1);
}
} // namespace

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
        {0, 2, "x = e-5;", "x = e-5;"}, // a space before the E leads an exponent too
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
        {0, 2, "x*y/*c*/", "x*y/*c*/"}, // the byte after the star is not looked at
        {0, 2, "a  ==   b", "a  ==   b"},
        {0, 2, "e-1", "e - 1"},
        {1, 2, "x = y * 2;", "x=y*2;"},
        {1, 2, "a  <<=  b , c", "a<<=b,c"},
        {1, 2, "a\t+\tb", "a\t+\tb"},
        {1, 2, "a +", "a +"},
        {2, 0, "f(a)", "f( a )"},
        {2, 0, "f()", "f( )"},
        {2, 1, "f( a )", "f(a)"},
        {2, 1, "f(   )", "f()"},
        {2, 1, "f(\ta\t)", "f(\ta\t)"},
        {0, 0, "f(a, b);", "f( a , b );"},
        // What follows a closed-up parenthesis is still recognised.
        {2, 1, "if (a )/* ( x ) */", "if (a)/* ( x ) */"},
        {2, 1, "f(a )\"(x )\"", "f(a)\"(x )\""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(Line(c.input, SpacedBy(c.operators, c.parentheses)), c.expected);
    }
}

TEST(Spacing, LeadingOperatorsKeepTheirIndentation)
{
    FormatOptions options = SpacedBy(1, 1);
    options.RecalculateIndents = OnOff::On;
    EXPECT_EQ(FormatWith("x = a\n+ b;\n", options), "x=a\n    +b;\n");
    EXPECT_EQ(FormatWith("f(a,\nb\n);\n", options), "f(a,\n    b\n    );\n");
    EXPECT_EQ(FormatWith("{\n  ) + b\n}\n", options), "{\n    )+b\n}\n");
    options.RecalculateIndents = OnOff::Off;
    EXPECT_EQ(FormatWith("  && b\n\t || c\n  )\n", options), "  &&b\n\t ||c\n  )\n");
}

// Closing up the gap around an operator must not make two tokens read as one:
// where the bytes either side of the gap would fuse, one space stays.
TEST(Spacing, ClosingUpNeverFusesTokens)
{
    const struct
    {
        std::string input, expected;
    } cases[] = {
        {"n = - -m;", "n=- -m;"},
        {"q = m & &n;", "q=m& &n;"},
        {"x = a / /* why */ b;", "x=a/ /* why */ b;"},
        {"std::vector<std::vector<int> > v;", "std::vector<std::vector<int> >v;"},
        {"virtual int RefQualifiedConstRef() const& = 0;", "virtual int RefQualifiedConstRef() const& =0;"},
        // Nothing else changes.
        {"x = -1;", "x=-1;"},
        {"y = a & *p;", "y=a&*p;"},
        {"w = - m;", "w=-m;"},
        // A tab is never part of the gap, nor is a line's indentation.
        {"n = -\t-m;", "n=-\t-m;"},
        {"    - -m;", "    - -m;"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.input);
        EXPECT_EQ(Line(c.input, SpacedBy(1, 2)), c.expected);
    }
}

namespace
{
bool IsOneToken(char first, char second)
{
    static const std::set<std::string> tokens = {"^=", "&=", "|=", "<<", ">>", "+=", "<=", ">=", "&&", "||", "++",
                                                 "--", "!=", "==", "-=", "*=", "/=", "%=", "->", "//", "/*", "*/"};
    return tokens.count(std::string{first, second}) != 0;
}

// The bytes of the output, each with the index it had in the input: the
// no-space rule only ever removes spaces, so the output lines up with the
// input by skipping them.
std::vector<std::size_t> InputIndexes(const std::string& input, const std::string& output)
{
    std::vector<std::size_t> indexes;
    std::size_t i = 0;
    for (const char c : output)
    {
        while (i < input.size() && input[i] != c && input[i] == ' ')
            ++i;
        if (i == input.size() || input[i] != c)
            return {};
        indexes.push_back(i++);
    }
    return indexes;
}
} // namespace

// Random code: no two bytes that had a space between them in the input stand
// side by side as one token in the output.
TEST(Spacing, ClosingUpNeverFusesRandomCode)
{
    const char* const pieces[] = {"a", "b1", "-",  "+", "*", "/", "&", "|",  "<",  ">",  "=",  "!",  "%", "^",
                                  " ", "  ", "\t", "(", ")", ";", ",", "->", "//", "/*", "*/", "\"", "'", "x "};
    std::mt19937 random(13);
    FormatOptions options = SpacedBy(1, 2);
    for (int round = 0; round < 3000; ++round)
    {
        std::string input;
        const int count = 1 + static_cast<int>(random() % 24);
        for (int i = 0; i < count; ++i)
            input += pieces[random() % (sizeof pieces / sizeof pieces[0])];
        std::string output = FormatWith(input + "\n", options);
        ASSERT_FALSE(output.empty()) << input;
        output.pop_back();
        const std::vector<std::size_t> at = InputIndexes(input, output);
        ASSERT_EQ(at.size(), output.size()) << "'" << input << "' -> '" << output << "'";
        for (std::size_t j = 0; j + 1 < output.size(); ++j)
        {
            const bool closedUp = at[j + 1] != at[j] + 1;
            ASSERT_FALSE(closedUp && IsOneToken(output[j], output[j + 1]))
                << "'" << input << "' -> '" << output << "' at " << j;
        }
    }
}
