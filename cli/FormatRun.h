#pragma once

#include "CliCommand.h"
#include "JobCount.h"
#include "SettingsDiscovery.h"

#include <mutex>
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
    CJobCount jobs;
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
    // What one input gave, held until its turn to be reported.
    struct Outcome
    {
        std::string errors; // lines for standard error
        std::string output; // bytes for standard output
        bool failed = false;
        bool changed = false;
    };

    static void FailFile(Outcome& outcome, const std::string& name, const std::string& cause);
    void Deliver(const Outcome& outcome);
    bool OptionsFor(const std::string& name, const FormatOptions*& options, Outcome& outcome);
    Outcome FormatStdin();
    Outcome FormatFile(const std::string& name);
    void Report(Outcome& outcome, const std::string& name, const std::string& text, const std::string& result) const;

    const FormatRequest& m_request;
    CliStreams& m_io;
    CSettingsDiscovery m_settings;
    std::mutex m_settingsLock; // files are formatted on several threads
    bool m_failed = false;
    bool m_changed = false;
};
