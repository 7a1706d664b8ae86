#include "LineCounter.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace
{

int Lines(const std::string& text)
{
    return CLineCounter::CountLines(text.data(), text.size());
}

int Comments(const std::string& text)
{
    return CLineCounter::CountComments(text.data(), text.size());
}

TEST(LineCounter, LineCountsLineFeedsOnly)
{
    EXPECT_EQ(0, Lines(""));
    EXPECT_EQ(0, Lines("a"));
    EXPECT_EQ(1, Lines("a\nb"));
    EXPECT_EQ(2, Lines("a\nb\n"));
    EXPECT_EQ(2, Lines("\r\n\r\n"));
    EXPECT_EQ(0, Lines("\r\r\r"));
}

TEST(LineCounter, CommentMarkerCases)
{
    EXPECT_EQ(0, Comments("x = 1;\n"));
    EXPECT_EQ(1, Comments("// note\n"));
    EXPECT_EQ(1, Comments("// a /* b */\n"));
    EXPECT_EQ(2, Comments("/* a */ /* b */\n"));
    EXPECT_EQ(3, Comments("/* one\ntwo\nthree */\n"));
    // The closing slash is examined again and opens a line comment.
    EXPECT_EQ(2, Comments("/* a *//b\n"));
    // The opener's asterisk and the next slash close the block at once.
    EXPECT_EQ(1, Comments("/*/ x */\n"));
    EXPECT_EQ(1, Comments("s = \"http://x\";\n"));
    // A backslash does not continue a line comment.
    EXPECT_EQ(1, Comments("// a \\\nint b;\n"));
    EXPECT_EQ(2, Comments("// a\n// b\n"));
    EXPECT_EQ(0, Comments("a / b / c * d\n"));
}

TEST(LineCounter, UnclosedBlockRunsToTheEnd)
{
    EXPECT_EQ(4, Comments("int a;\n/* open\n\n\nint b;"));
    // A marker at the very end has the terminating NUL after it.
    EXPECT_EQ(0, Comments("a /"));
    EXPECT_EQ(1, Comments("/*"));
    EXPECT_EQ(1, Comments("/* *"));
}

TEST(LineCounter, TextEndsAtFirstNul)
{
    const std::string text("a\n// b\n\0\n// c\n/* d\n", 20);
    EXPECT_EQ(2, Lines(text));
    EXPECT_EQ(1, Comments(text));
    // A NUL right after an opener's slash is the end, not a second marker.
    EXPECT_EQ(0, Comments(std::string("/\0/ x\n", 6)));
}

TEST(LineCounter, BytesAboveAsciiAreOrdinaryText)
{
    EXPECT_EQ(1, Comments("\xff\xfe// \xe4\xf6\n\x80"));
    EXPECT_EQ(1, Lines("\xff\n\xff"));
}

TEST(LineCounter, ExtensionRules)
{
    EXPECT_EQ("cpp", CLineCounter::LowerExtension("Main.CPP"));
    EXPECT_EQ("makefile", CLineCounter::LowerExtension("Makefile"));
    EXPECT_EQ("h", CLineCounter::LowerExtension("..\\inc\\a.b.H"));
    // A dot in a folder name makes the rest of the path the extension.
    EXPECT_EQ("\\src\\makefile", CLineCounter::LowerExtension("..\\src\\Makefile"));
    EXPECT_EQ("c\"", CLineCounter::LowerExtension("\"..\\my file.c\""));

    EXPECT_TRUE(CLineCounter::IsLineCounted("rc2"));
    EXPECT_FALSE(CLineCounter::IsCommentCounted("def"));
    for (const char* ext : {"", "hpp", "cxx", "txt", "CPP", "c\"", "rc3"})
    {
        EXPECT_FALSE(CLineCounter::IsLineCounted(ext)) << ext;
        EXPECT_FALSE(CLineCounter::IsCommentCounted(ext)) << ext;
    }
}

TEST(LineCounter, FilesByExtension)
{
    TempFolder folder;
    const std::string dir = folder.Directory();
    folder.Write("Main.CPP", "int a; // x\n/* y\n*/\n");
    folder.Write("module.def", "EXPORTS\n; // not a comment count\n");
    folder.Write("notes.txt", "a\nb\n");
    folder.Write("h", "// h\n");
    folder.Write("RC", "x\n");
    folder.Write("Makefile", "all:\n");
    folder.Write("empty.c", "");

    EXPECT_EQ(3, CLineCounter::GetLineCount(dir, "Main.CPP"));
    EXPECT_EQ(3, CLineCounter::GetCommentCount(dir, "Main.CPP"));
    EXPECT_EQ(2, CLineCounter::GetLineCount(dir, "module.def"));
    EXPECT_EQ(-1, CLineCounter::GetCommentCount(dir, "module.def"));
    EXPECT_EQ(-1, CLineCounter::GetLineCount(dir, "notes.txt"));
    EXPECT_EQ(-1, CLineCounter::GetCommentCount(dir, "notes.txt"));
    EXPECT_EQ(1, CLineCounter::GetLineCount(dir, "h"));
    EXPECT_EQ(1, CLineCounter::GetCommentCount(dir, "h"));
    EXPECT_EQ(1, CLineCounter::GetLineCount(dir, "RC"));
    EXPECT_EQ(-1, CLineCounter::GetLineCount(dir, "Makefile"));
    EXPECT_EQ(0, CLineCounter::GetLineCount(dir, "empty.c"));
    EXPECT_EQ(0, CLineCounter::GetCommentCount(dir, "empty.c"));
}

TEST(LineCounter, MissingFilesGiveZeroAndUncountedOnesAreNotOpened)
{
    TempFolder folder;
    const std::string dir = folder.Directory();
    EXPECT_EQ(0, CLineCounter::GetLineCount(dir, "missing.cpp"));
    EXPECT_EQ(0, CLineCounter::GetCommentCount(dir, "missing.cpp"));
    EXPECT_EQ(-1, CLineCounter::GetLineCount(dir, "missing.txt"));
    // A folder that happens to carry a counted extension is not a file.
    folder.Write("sub.c/inner.c", "\n");
    EXPECT_EQ(0, CLineCounter::GetLineCount(dir, "sub.c"));
}

#ifndef _WIN32
TEST(LineCounter, PipesAreNotReadSoNothingHangs)
{
    TempFolder folder;
    ASSERT_EQ(0, mkfifo(folder.Path("pipe.c").c_str(), 0600));
    EXPECT_EQ(0, CLineCounter::GetLineCount(folder.Directory(), "pipe.c"));
    EXPECT_EQ(0, CLineCounter::GetCommentCount(folder.Directory(), "pipe.c"));
}
#endif

TEST(LineCounter, WindowsStyleRelativeNamesAreJoinedAsWritten)
{
    TempFolder folder;
    folder.Write("src/util.c", "// a\n// b\nint c;\n");
    folder.Write("prj/x.txt", "");
    const std::string projectDir = folder.Path("prj") + TempFolder::Separator();
    EXPECT_EQ(3, CLineCounter::GetLineCount(projectDir, "..\\src\\util.c"));
    EXPECT_EQ(2, CLineCounter::GetCommentCount(projectDir, ".\\..\\src\\util.c"));
    // No separator is inserted between directory and name.
    EXPECT_EQ(0, CLineCounter::GetLineCount(folder.Path("src"), "util.c"));
}

TEST(LineCounter, NamesDifferingInCaseFromTheFileAreFound)
{
    TempFolder folder;
    folder.Write("Src/Util.c", "a\nb\n");
    EXPECT_EQ(2, CLineCounter::GetLineCount(folder.Directory(), "SRC\\UTIL.C"));
}

} // namespace
