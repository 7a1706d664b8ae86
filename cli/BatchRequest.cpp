#include "BatchRequest.h"

#include "FormatCommandSets.h"

bool ParseBatchRequest(const std::vector<std::string>& args, BatchRequest& request, std::string& error)
{
    for (std::size_t i = 0; i < args.size(); ++i)
    {
        const std::string& arg = args[i];
        auto value = [&](std::string& target) {
            if (i + 1 >= args.size())
            {
                error = arg + " needs a value";
                return false;
            }
            target = args[++i];
            return true;
        };
        std::string text;
        if (arg == "--help" || arg == "-h")
            request.help = true;
        else if (arg == "--check")
            request.check = true;
        else if (arg == "--command")
        {
            if (!value(request.command))
                return false;
        }
        else if (arg == "--settings")
        {
            if (!value(request.settingsPath))
                return false;
            request.hasSettingsPath = true;
        }
        else if (arg == "--project" || arg == "--file")
        {
            if (!value(text))
                return false;
            (arg == "--project" ? request.projects : request.files).push_back(text);
        }
        else if (arg.size() > 1 && arg[0] == '-')
        {
            error = "unknown option '" + arg + "'";
            return false;
        }
        else if (request.workspace.empty())
            request.workspace = arg;
        else
        {
            error = "only one workspace, not also '" + arg + "'";
            return false;
        }
    }
    if (request.help)
        return true;
    if (request.workspace.empty())
        error = "no workspace file given";
    else if (request.command.empty())
        error = "no --command given (" + FormatCommandSetList() + ")";
    else if (!FindFormatCommandSet(request.command))
        error = "unknown command '" + request.command + "' (" + FormatCommandSetList() + ")";
    return error.empty();
}
