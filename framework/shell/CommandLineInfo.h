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
        FilePrintTo,
        FileDDE,
        FileNothing
    };

    ShellCommand shellCommand = FileNew;
    std::string fileName;
    // For FilePrintTo: the printer, its driver and its port.
    std::string printerName;
    std::string driverName;
    std::string portName;

    // args are the arguments after the program's name: a file name, "/p"
    // (print it), "/pt" (print it on the printer, driver and port that
    // follow the file name), "/dde" (the shell will send its commands by
    // DDE).
    static CCommandLineInfo Parse(const std::vector<std::string>& args);
};
