#pragma once

#include <string>
#include <utility>
#include <vector>

// What "quillet-cli format" was asked to do, as parsed from its arguments.
struct FormatRequest
{
    enum class Mode
    {
        Print,     // results to stdout
        InPlace,   // rewrite each file that changes
        Check      // list the files that would change
    };

    bool help = false;
    bool hasSettingsPath = false;
    std::string settingsPath;
    std::string command;                                  // empty: stored options unchanged
    std::vector<std::pair<std::string, int>> options;     // --option NAME=VALUE, in order
    Mode mode = Mode::Print;
    std::vector<std::string> files;                       // empty: stdin
};

// Fills request from the arguments after "format". On a usage error returns
// false with a message naming the bad argument.
bool ParseFormatRequest(const std::vector<std::string>& args, FormatRequest& request, std::string& error);
