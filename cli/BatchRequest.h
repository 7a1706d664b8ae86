#pragma once

#include <string>
#include <vector>

// What "quillet-cli batch" was asked to do, as parsed from its arguments.
struct BatchRequest
{
    bool help = false;
    std::string workspace;
    std::string command;
    bool hasSettingsPath = false;
    std::string settingsPath;
    std::vector<std::string> projects;   // --project NAME, in order
    std::vector<std::string> files;      // --file NAME, in order
    bool check = false;
};

// Fills request from the arguments after "batch". On a usage error returns
// false with a message naming the bad argument.
bool ParseBatchRequest(const std::vector<std::string>& args, BatchRequest& request, std::string& error);
