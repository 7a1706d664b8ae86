#pragma once

#include "CliCommand.h"
#include "SettingsDiscovery.h"

#include <string>
#include <vector>

// What format was asked to do.
struct FormatRequest
{
    enum class Mode
    {
        Print,   // results to stdout
        InPlace, // rewrite each file that changes
        Check,   // list the files that would change, with their first changed line
        Diff     // print what would change as a unified diff
    };

    bool help = false;
    bool verbose = false;
    FormatOptionsSource source;
    Mode mode = Mode::Print;
};

// One format run over stdin or a list of files; remembers the exit status.
class CFormatRun
{
public:
    CFormatRun(const FormatRequest& request, CliStreams& io);

    // Fails, with the cause, when the settings that apply to files without
    // a team settings file cannot be read.
    bool Start(std::string& error) { return m_settings.LoadFallback(error); }

    // files empty: standard input. failed: the selection already failed.
    int Run(const std::vector<std::string>& files, bool failed);

private:
    void FailFile(const std::string& name, const std::string& cause);
    bool OptionsFor(const std::string& name, const FormatOptions*& options);
    void FormatStdin();
    void FormatFile(const std::string& name);
    void Report(const std::string& name, const std::string& text, const std::string& result);
    void Rewrite(const std::string& name, const std::string& path, const std::string& text, const std::string& result);

    const FormatRequest& m_request;
    CliStreams& m_io;
    CSettingsDiscovery m_settings;
    bool m_failed = false;
    bool m_changed = false;
};
