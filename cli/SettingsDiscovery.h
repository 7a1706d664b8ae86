#pragma once

#include "CliCommand.h"

#include <map>
#include <ostream>
#include <string>

// The stored settings each file is formatted with: the file given with
// --settings for every file; else a team's .quillet.reg in the file's folder
// or the nearest folder above it; else the user's own settings. Each
// settings file is read once per run.
class CSettingsDiscovery
{
public:
    static constexpr const char* kTeamFileName = ".quillet.reg";

    // warnings hears of a user's settings file that cannot be reached.
    CSettingsDiscovery(FormatOptionsSource source, std::ostream& warnings);

    // Reads the settings that apply where no team file does (the --settings
    // file or the user's own), so that a run whose settings cannot be read
    // fails before it starts.
    bool LoadFallback(std::string& error);

    // The options for the file at path ("" for standard input, whose team
    // file is looked for from the current folder), and which settings they
    // came from. False when that settings file cannot be read (error says why).
    bool OptionsFor(const std::string& path, const FormatOptions*& options, std::string& settingsName,
                    std::string& error);

private:
    std::string TeamFileFor(const std::string& path);

    FormatOptionsSource m_source;
    std::ostream& m_warnings;
    std::map<std::string, std::string> m_teamFileOfFolder; // "" where there is none
    std::map<std::string, FormatOptions> m_optionsOfFile;  // by settings file, "" the user's own
};
