// Counting lines and comment lines of a file named as a project names it.
#include "LineCounter.h"
#include "CountedFiles.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace
{

TEST(LineCounter, CountsLineFeedsAndCommentLinesUpToTheFirstNul)
{
    struct Case
    {
        std::string text;
        int lines;
        int comments;
    };
    const Case cases[] = {
        {"", 0, 0},
        {"a", 0, 0},
        {"a\nb", 1, 0},
        {"\r\n\r\n", 2, 0},
        {"\r\r\r", 0, 0},
        {"x = 1;\n", 1, 0},
        {"// note\n", 1, 1},
        {"// a /* b */\n", 1, 1},
        {"/* a */ /* b */\n", 1, 2},
        {"/* one\ntwo\nthree */\n", 3, 3},
        {"/* a *//b\n", 1, 2}, // the closing slash is examined again and opens a line comment
        {"/*/ x */\n", 1, 1},  // the opener's asterisk and the next slash close the block at once
        {"s = \"http://x\";\n", 1, 1},
        {"// a \\\nint b;\n", 2, 1}, // a backslash does not continue a line comment
        {"a / b / c * d\n", 1, 0},
        {"int a;\n/* open\n\n\nint b;", 4, 4}, // an unclosed block runs to the end
        {"a /", 0, 0},                         // a marker at the very end has the terminating NUL after it
        {"/*", 0, 1},
        {"/* *", 0, 1},
        {std::string("a\n// b\n\0\n// c\n/* d\n", 20), 2, 1},
        {std::string("/\0/ x\n", 6), 0, 0},  // a NUL right after an opener's slash is the end
        {"\xff\xfe// \xe4\xf6\n\x80", 1, 1}, // bytes above ASCII are ordinary text
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(::testing::PrintToString(c.text));
        EXPECT_EQ(c.lines, CLineCounter::CountLines(c.text.data(), c.text.size()));
        EXPECT_EQ(c.comments, CLineCounter::CountComments(c.text.data(), c.text.size()));
    }
}

TEST(LineCounter, FilesByNameAsAProjectWritesIt)
{
    ExpectFileCounts(CLineCounter::GetLineCount, CLineCounter::GetCommentCount);
}

#ifndef _WIN32
TEST(LineCounter, PipesAreNotReadSoNothingHangs)
{
    ScratchFolder folder;
    ASSERT_EQ(0, mkfifo(folder.PathOf("pipe.c").c_str(), 0600));
    EXPECT_EQ(0, CLineCounter::GetLineCount(folder.Directory(), "pipe.c"));
    EXPECT_EQ(0, CLineCounter::GetCommentCount(folder.Directory(), "pipe.c"));
}
#endif

} // namespace
