#include "FormatRequest.h"

#include "FormatCommandSets.h"
#include "FormatOptionNames.h"

namespace
{

// A decimal integer of at most a few digits; anything else is refused.
bool ParseSmallDecimal(const std::string& text, int& value)
{
    if (text.empty() || text.size() > 6)
        return false;
    value = 0;
    for (const char c : text)
    {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

bool ParseOption(const std::string& argument, FormatRequest& request, std::string& error)
{
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const FormatOptionName* option = FindFormatOptionName(name);
    if (!option)
    {
        error = "unknown option name '" + name + "' in --option '" + argument + "' (one of " +
                FormatOptionNameList() + ")";
        return false;
    }
    int value = 0;
    if (equals == std::string::npos || !ParseSmallDecimal(argument.substr(equals + 1), value) ||
        value < option->minimum || value > option->maximum)
    {
        error = "bad value in --option '" + argument + "' (" + name + " takes " + std::to_string(option->minimum) +
                " to " + std::to_string(option->maximum) + ")";
        return false;
    }
    request.options.emplace_back(name, value);
    return true;
}

} // namespace

bool ParseFormatRequest(const std::vector<std::string>& args, FormatRequest& request, std::string& error)
{
    request = FormatRequest();
    bool modeGiven = false;
    bool commandGiven = false;
    bool filesOnly = false;
    for (size_t i = 0; i < args.size(); ++i)
    {
        const std::string& argument = args[i];
        if (filesOnly || argument.empty() || argument[0] != '-')
        {
            request.files.push_back(argument);
            continue;
        }
        if (argument == "--")
        {
            filesOnly = true;
            continue;
        }
        if (argument == "--help" || argument == "-h")
        {
            request.help = true;
            continue;
        }
        if (argument == "--in-place" || argument == "--check")
        {
            const FormatRequest::Mode mode =
                argument == "--in-place" ? FormatRequest::Mode::InPlace : FormatRequest::Mode::Check;
            if (modeGiven && mode != request.mode)
            {
                error = "--in-place and --check cannot be used together";
                return false;
            }
            modeGiven = true;
            request.mode = mode;
            continue;
        }

        // The options that take a value, as "--name VALUE" or "--name=VALUE".
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        if (name != "--settings" && name != "--command" && name != "--option")
        {
            error = "unknown argument '" + argument + "'";
            return false;
        }
        std::string value;
        if (equals != std::string::npos)
        {
            value = argument.substr(equals + 1);
        }
        else if (i + 1 < args.size())
        {
            value = args[++i];
        }
        else
        {
            error = "'" + name + "' needs a value";
            return false;
        }

        if (name == "--settings")
        {
            if (request.hasSettingsPath || value.empty())
            {
                error = value.empty() ? "'--settings' needs a file name" : "'--settings' given more than once";
                return false;
            }
            request.hasSettingsPath = true;
            request.settingsPath = value;
        }
        else if (name == "--command")
        {
            if (commandGiven)
            {
                error = "'--command' given more than once";
                return false;
            }
            if (!FindFormatCommandSet(value))
            {
                error = "unknown command set '" + value + "' for --command (one of " + FormatCommandSetList() + ")";
                return false;
            }
            commandGiven = true;
            request.command = value;
        }
        else if (!ParseOption(value, request, error))
        {
            return false;
        }
    }
    if (request.help)
        return true;
    if (request.mode == FormatRequest::Mode::InPlace && request.files.empty())
    {
        error = "--in-place needs at least one FILE";
        return false;
    }
    return true;
}
