#pragma once

#include "ScratchFolder.h"

#include <gtest/gtest.h>

// Counts of files named as project files name them, through a pair of
// counters: the library's own or the DLL's exports.
template <typename LineCount, typename CommentCount>
void ExpectFileCounts(LineCount lineCount, CommentCount commentCount)
{
    ScratchFolder folder;
    folder.Write("Main.CPP", "int a; // x\r\n/* y\r\n*/\r\n");
    folder.Write("module.def", "EXPORTS\n; // not a comment count\n");
    folder.Write("notes.txt", "a\nb\n");
    folder.Write("h", "// h\n");
    folder.Write("RC", "x\n");
    folder.Write("Makefile", "all:\n");
    folder.Write("empty.c", "");
    folder.Write("zero.c", std::string("a\n// b\n") + '\0' + "\n// c\n");
    folder.Write("sub.c/inner.c", "\n");
    folder.Write("Src/Util.c", "// a\n// b\nint c;\n");
    folder.Write("prj/x.txt", "");
    const std::string top = folder.Directory();
    const std::string project = folder.PathOf("prj") + ScratchFolder::Separator();

    struct Case
    {
        std::string directory;
        const char* name;
        int lines;
        int comments;
    };
    const Case cases[] = {
        {top, "Main.CPP", 3, 3},
        {top, "module.def", 2, -1},
        {top, "notes.txt", -1, -1},
        {top, "h", 1, 1},
        {top, "RC", 1, 0},
        {top, "Makefile", -1, -1},
        {top, "x.hpp", -1, -1}, // no prefix of a counted extension counts
        {top, "x.", -1, -1},
        {top, "empty.c", 0, 0},
        {top, "zero.c", 2, 1},              // the text ends at the first NUL
        {top, "missing.cpp", 0, 0},         // missing files give zero ...
        {top, "missing.txt", -1, -1},       // ... unless not counted at all
        {top, "sub.c", 0, 0},               // a folder is not a file
        {top, "SRC\\UTIL.C", 3, 2},         // found whatever the case
        {project, "..\\Src\\Util.c", 3, 2}, // joined as written
        {project, ".\\..\\Src\\Util.c", 3, 2},
        {project, "\"..\\Src\\Util.c\"", -1, -1}, // quotes kept from a project file
        {folder.PathOf("Src"), "Util.c", 0, 0},   // no separator is inserted
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.directory + " + " + c.name);
        EXPECT_EQ(c.lines, lineCount(c.directory, c.name));
        EXPECT_EQ(c.comments, commentCount(c.directory, c.name));
    }
}
