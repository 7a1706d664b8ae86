#include "QLShared.h"

#include "../metrics/TempFolder.h"

#include <gtest/gtest.h>

// The two counting exports, called through QLShared.dll's import table with
// directories written the Windows way.
namespace
{

TEST(CountingExports, CountsThroughTheLibrary)
{
    TempFolder folder;
    const std::string dir = folder.Directory();
    ASSERT_EQ('\\', dir.back());
    folder.Write("Main.CPP", "// a\r\n/* b\r\nc */\r\nint d;\r\n");
    folder.Write("module.def", "EXPORTS\r\n  F\r\n");
    folder.Write("notes.txt", "x\n");
    folder.Write("RC", "/* r */\n");
    folder.Write("zero.c", std::string("a\n// b\n") + '\0' + "\n// c\n");

    EXPECT_EQ(4, GetLineCount(dir, "Main.CPP"));
    EXPECT_EQ(3, GetCommentCount(dir, "Main.CPP"));
    EXPECT_EQ(2, GetLineCount(dir, "module.def"));
    EXPECT_EQ(-1, GetCommentCount(dir, "module.def"));
    EXPECT_EQ(-1, GetLineCount(dir, "notes.txt"));
    EXPECT_EQ(-1, GetCommentCount(dir, "notes.txt"));
    EXPECT_EQ(1, GetLineCount(dir, "RC"));
    EXPECT_EQ(1, GetCommentCount(dir, "RC"));
    EXPECT_EQ(2, GetLineCount(dir, "zero.c"));
    EXPECT_EQ(1, GetCommentCount(dir, "zero.c"));
}

TEST(CountingExports, RelativeNamesMissingFilesAndFolders)
{
    TempFolder folder;
    folder.Write("src\\util.h", "// one\r\n// two\r\n");
    folder.Write("prj\\keep.txt", "");
    folder.Write("sub.c\\inner.c", "\n");
    const std::string projectDir = folder.Path("prj") + "\\";
    EXPECT_EQ(2, GetLineCount(projectDir, "..\\src\\util.h"));
    EXPECT_EQ(2, GetCommentCount(projectDir, ".\\..\\src\\util.h"));
    EXPECT_EQ(0, GetLineCount(projectDir, "missing.cpp"));
    EXPECT_EQ(0, GetCommentCount(projectDir, "missing.cpp"));
    EXPECT_EQ(0, GetLineCount(folder.Directory(), "sub.c"));
    // Quotes kept from a project file make the name uncountable.
    EXPECT_EQ(-1, GetLineCount(projectDir, "\"..\\src\\util.h\""));
}

} // namespace
