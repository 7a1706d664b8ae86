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
