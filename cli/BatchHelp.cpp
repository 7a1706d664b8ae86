#include "BatchHelp.h"

#include "CliCommand.h"
#include "FormatCommandSets.h"

#include <ostream>

void WriteBatchHelp(std::ostream& out)
{
    out << "Usage: " << kCliName << " batch WORKSPACE.dsw --command NAME [--project NAME]... [--file NAME]...\n"
        << "                   [--check] [--settings FILE]\n"
        << "\n"
        << "Reformats in place the C and C++ sources (.cpp, .inl, .c, .h) of the workspace's\n"
        << "projects: all of them, or the projects and files named. A project is named as\n"
        << "the workspace writes it, by its file name, or by that name without extension;\n"
        << "a file as its project writes it or by its file name. Names ignore case.\n"
        << "  --command NAME   " << FormatCommandSetList() << "\n"
        << "  --check          write nothing; list the files that would change\n"
        << "  --settings FILE  stored options to start from (REGEDIT4 text)\n"
        << "Files that cannot be written are reported and the run goes on.\n"
        << "Exit status: 0 success, 1 changes found by --check, 2 usage error or a failed file.\n";
}
