#include "QLShared.h"

#include "CountedFiles.h"

#include <gtest/gtest.h>

// The two counting exports, called through QLShared.dll's import table with
// directories written the Windows way.
TEST(CountingExports, CountFilesThroughTheLibrary)
{
    ASSERT_EQ('\\', ScratchFolder().Directory().back());
    ExpectFileCounts(GetLineCount, GetCommentCount);
}

// The comment count of a file just counted for its lines is served from that
// read, unless the file changed in between.
TEST(CountingExports, AFileChangedBetweenTheTwoCountsIsReadAgain)
{
    ScratchFolder folder;
    folder.Write("a.c", "// one\nint a;\n");
    EXPECT_EQ(2, GetLineCount(folder.Directory(), "a.c"));
    folder.Write("a.c", "// one\n// two\n// three\n");
    EXPECT_EQ(3, GetCommentCount(folder.Directory(), "a.c"));
    EXPECT_EQ(3, GetLineCount(folder.Directory(), "a.c"));
    EXPECT_EQ(3, GetCommentCount(folder.Directory(), "a.c"));
}
