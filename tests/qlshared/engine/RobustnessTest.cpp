#include "FormatHelper.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

// Random fragments of code under random options: every pass must succeed and
// end each line with one line feed; running the same text twice must agree.
TEST(Robustness, RandomTextsUnderRandomOptions)
{
    const char* const pieces[] = {"{",      "}",    "(",    ")",         ";",          "\n",      "\r\n", " ", "\t",
                                  "if (a)", "else", "do",   "while (b)", "switch (c)", "case 1:", "x",    "=", "+",
                                  "-",      "*",    "/",    "//",        "/*",         "*/",      "\"",   "'", "\\",
                                  "#",      ",",    "1e-5", "<<=",       "->",         "    "};
    std::mt19937 random(3);
    for (int round = 0; round < 400; ++round)
    {
        std::string text;
        const int count = static_cast<int>(random() % 80);
        for (int i = 0; i < count; ++i)
            text += pieces[random() % (sizeof pieces / sizeof pieces[0])];
        FormatOptions o;
        o.TabSize = static_cast<int>(random() % 5);
        o.IndentSize = static_cast<int>(random() % 5);
        o.SpaceTabStyle = TabConversion{static_cast<int>(random() % 3)};
        o.OpenIndentStyle = BraceIndent{static_cast<int>(random() % 3)};
        o.OpenNewLineStyle = BracePlacement{static_cast<int>(random() % 3)};
        o.CloseIndentStyle = BraceIndent{static_cast<int>(random() % 3)};
        o.CloseNewLineStyle = BracePlacement{static_cast<int>(random() % 3)};
        o.ParenthesesSpace = Spacing{static_cast<int>(random() % 3)};
        o.OperatorSpace = Spacing{static_cast<int>(random() % 3)};
        o.DeleteTrailingWhiteSpace = OnOff{static_cast<int>(random() % 2)};
        o.RecalculateIndents = OnOff{static_cast<int>(random() % 2)};
        const std::string result = FormatWith(text, o);
        ASSERT_EQ(result.empty(), text.empty()) << text;
        ASSERT_TRUE(result.empty() || result.back() == '\n') << text;
        ASSERT_EQ(FormatWith(text, o), result);
    }
}

// Real code that others wrote: what one re-indenting run gives, a second run
// leaves as it is.
TEST(Robustness, ReindentingRealSourcesSettlesInOneRun)
{
    const std::filesystem::path fixtures = std::filesystem::path(QUILLET_SOURCE_DIR) / ".." / "shared" / "fixtures";
    FormatOptions braceLevel = Reindenting();
    braceLevel.OpenIndentStyle = braceLevel.CloseIndentStyle = BraceIndent::NoIndent;
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(fixtures))
    {
        const std::string extension = entry.path().extension().string();
        if (!entry.is_regular_file() || (extension != ".c" && extension != ".cpp" && extension != ".h"))
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (const FormatOptions& options : {Reindenting(), braceLevel})
        {
            const std::string once = FormatWith(text, options);
            EXPECT_EQ(FormatWith(once, options), once) << entry.path();
        }
        ++files;
    }
    EXPECT_GE(files, 40);
}
