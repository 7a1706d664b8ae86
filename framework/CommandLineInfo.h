#pragma once

#include <string>
#include <vector>

// What the shell asks of a program on its command line: open or print a
// file, start for a DDE conversation, or start with a new document.
struct CCommandLineInfo
{
    enum ShellCommand
    {
        FileNew,
        FileOpen,
        FilePrint,
        FileDDE,
        FileNothing
    };

    ShellCommand shellCommand = FileNew;
    std::string fileName;

    // args are the arguments after the program's name: a file name, "/p"
    // (print it), "/dde" (the shell will send its commands by DDE).
    static CCommandLineInfo Parse(const std::vector<std::string>& args);
};
