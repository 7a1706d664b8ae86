// Reads what the shell asks on the program's command line: open, print, print to a printer, or wait for DDE.
#include "CommandLineInfo.h"

#include <algorithm>
#include <cctype>

CCommandLineInfo CCommandLineInfo::Parse(const std::vector<std::string>& args)
{
    CCommandLineInfo info;
    bool print = false;
    bool printTo = false;
    bool dde = false;
    // After /pt, the names that follow the file name: printer, driver, port.
    std::vector<std::string> printerNames;
    for (const std::string& arg : args)
    {
        if (arg.size() > 1 && (arg[0] == '/' || arg[0] == '-'))
        {
            std::string flag = arg.substr(1);
            std::transform(flag.begin(), flag.end(), flag.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            print = print || flag == "p";
            printTo = printTo || flag == "pt";
            dde = dde || flag == "dde";
        }
        else if (info.fileName.empty())
        {
            info.fileName = arg;
        }
        else if (printTo)
        {
            printerNames.push_back(arg);
        }
    }
    if (dde)
    {
        info.shellCommand = FileDDE;
    }
    else if (!info.fileName.empty() && printTo && printerNames.size() == 3)
    {
        info.shellCommand = FilePrintTo;
        info.printerName = printerNames[0];
        info.driverName = printerNames[1];
        info.portName = printerNames[2];
    }
    else if (!info.fileName.empty())
    {
        info.shellCommand = print ? FilePrint : FileOpen;
    }
    return info;
}
