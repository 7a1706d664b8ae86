#include "CommandLineInfo.h"

#include <algorithm>
#include <cctype>

CCommandLineInfo CCommandLineInfo::Parse(const std::vector<std::string>& args)
{
    CCommandLineInfo info;
    bool print = false;
    bool dde = false;
    for (const std::string& arg : args)
    {
        if (arg.size() > 1 && (arg[0] == '/' || arg[0] == '-'))
        {
            std::string flag = arg.substr(1);
            std::transform(flag.begin(), flag.end(), flag.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            print = print || flag == "p";
            dde = dde || flag == "dde";
        }
        else if (info.fileName.empty())
        {
            info.fileName = arg;
        }
    }
    if (dde)
        info.shellCommand = FileDDE;
    else if (!info.fileName.empty())
        info.shellCommand = print ? FilePrint : FileOpen;
    return info;
}
