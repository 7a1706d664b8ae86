#include "CliCommand.h"
#include "FileUtil.h"
#include "LineEndStyle.h"

#include <istream>
#include <ostream>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#endif

// quillet-cli format: reformats standard input or FILEs.

namespace
{

const char* const kStdinName = "<stdin>";

// The words of text on lines of at most 79 columns, each indented.
std::string Wrapped(const std::string& text, const std::string& indent)
{
    std::istringstream words(text);
    std::string wrapped;
    std::string line = indent;
    std::string word;
    while (words >> word)
    {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > 79)
        {
            wrapped += line + "\n";
            line = indent;
        }
        line += (line.size() > indent.size() ? " " : "") + word;
    }
    return wrapped + line + "\n";
}

void WriteFormatHelp(std::ostream& out)
{
    out << "Usage: quillet-cli format [--settings FILE] [--command NAME]\n"
           "         [--option NAME=VALUE]... [--in-place | --check] [FILE...]\n"
           "\n"
           "Reformats C and C++ source text with the Quillet formatting engine.\n"
           "\n"
           "Options are taken in this order:\n"
           "  1. the stored format settings: the settings file given with --settings FILE,\n"
#ifdef _WIN32
           "     or else the settings in the registry;\n"
#else
           "     or else $XDG_CONFIG_HOME/quillet/settings.reg (or\n"
           "     ~/.config/quillet/settings.reg when XDG_CONFIG_HOME is not set); a\n"
           "     missing file means the defaults;\n"
#endif
           "  2. --command NAME replaces nine of them by the set of that format command:\n"
        << Wrapped(FormatCommandSetList() + " (full keeps the stored settings unchanged);", "     ")
        << "  3. each --option NAME=VALUE then sets one option outright, whatever its\n"
           "     place on the command line. NAME is one of\n"
        << Wrapped(FormatOptionNameList() + ";", "     ")
        << "     VALUE is a decimal integer: 0 to 20 for TabSize and IndentSize, 0 to 2 for\n"
           "     the styles and spacings (0 first style, 1 second, 2 do not change), 0 or 1\n"
           "     for the others.\n"
           "\n"
           "Without FILE the text is read from standard input and the result written to\n"
           "standard output, every line ended by a line feed. With FILEs and neither\n"
           "--in-place nor --check, the results are written to standard output in order.\n"
           "\n"
           "  --in-place   rewrite each FILE that changes, keeping its line ends (a file\n"
           "               whose first line ends in CR LF is written with CR LF); a file\n"
           "               is replaced as a whole, never left half-written, and a file\n"
           "               that does not change is not touched\n"
           "  --check      write nothing; list the FILEs that would change, one a line\n"
           "               (<stdin> when the text comes from standard input)\n"
           "  --           every argument after it is a FILE\n"
           "  --help       show this text\n"
           "\n"
           "Closing up operators keeps one space where two tokens would fuse (- -m, / *p).\n"
           "A text holding a NUL byte is never formatted. Errors are reported on standard\n"
           "error as 'quillet-cli: FILE: cause' and the other files are still done.\n"
           "\n"
           "Exit status: 0 success; 1 --check found files that would change; 2 a usage\n"
           "error, or a FILE failed (cannot open, is a directory, holds a NUL byte,\n"
           "cannot be written, formatting failed).\n";
}

// What format was asked to do.
struct FormatRequest
{
    enum class Mode
    {
        Print,   // results to stdout
        InPlace, // rewrite each file that changes
        Check    // list the files that would change
    };

    bool help = false;
    FormatOptionsSource source;
    Mode mode = Mode::Print;
    std::vector<std::string> files; // empty: stdin
};

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

// The NAME=VALUE of one --option.
bool ParseOption(const std::string& argument, FormatOptionsSource& source, std::string& error)
{
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const FormatOptionName* option = FindFormatOptionName(name);
    if (!option)
    {
        error =
            "unknown option name '" + name + "' in --option '" + argument + "' (one of " + FormatOptionNameList() + ")";
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
    source.options.emplace_back(option, value);
    return true;
}

// On a usage error returns false with a message naming the bad argument.
bool ParseFormatRequest(const std::vector<std::string>& args, FormatRequest& request, std::string& error)
{
    using Mode = FormatRequest::Mode;
    CCliArguments arguments(
        args, {{"--in-place"}, {"--check"}, {"--settings", true}, {"--command", true}, {"--option", true}},
        CCliArguments::Operands::Files);
    for (CliArgument argument; arguments.Next(argument);)
    {
        const std::string& value = argument.value;
        if (argument.IsOperand())
        {
            request.files.push_back(value);
        }
        else if (argument.Is("--help"))
        {
            request.help = true;
        }
        else if (argument.Is("--in-place") || argument.Is("--check"))
        {
            const Mode mode = argument.Is("--in-place") ? Mode::InPlace : Mode::Check;
            if (request.mode != Mode::Print && request.mode != mode)
            {
                error = "--in-place and --check cannot be used together";
                return false;
            }
            request.mode = mode;
        }
        else if (argument.Is("--settings"))
        {
            if (request.source.settingsPath || value.empty())
            {
                error = value.empty() ? "'--settings' needs a file name" : "'--settings' given more than once";
                return false;
            }
            request.source.settingsPath = value;
        }
        else if (argument.Is("--command"))
        {
            if (!request.source.command.empty())
            {
                error = "'--command' given more than once";
                return false;
            }
            if (!FindFormatCommandSet(value))
            {
                error = "unknown command set '" + value + "' for --command (one of " + FormatCommandSetList() + ")";
                return false;
            }
            request.source.command = value;
        }
        else if (!ParseOption(value, request.source, error))
        {
            return false;
        }
    }
    error = arguments.Error();
    if (!error.empty())
        return false;
    if (!request.help && request.mode == Mode::InPlace && request.files.empty())
    {
        error = "--in-place needs at least one FILE";
        return false;
    }
    return true;
}

// The path under which a file named on the command line is rewritten: a
// symbolic link is followed, since the new file would otherwise replace the
// link and leave its target with the old text; on Windows the path is made
// full, since Wine's ReplaceFile refuses a bare name in the current folder.
// Names stay in the system's own narrow encoding (the ANSI code page on
// Windows) throughout. Returns the path unchanged when it cannot be resolved.
std::string RewriteTarget(const std::string& path)
{
#ifdef _WIN32
    char buffer[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
#else
    struct stat info
    {
    };
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    const std::unique_ptr<char, decltype(&std::free)> target(realpath(path.c_str(), nullptr), &std::free);
    return target ? std::string(target.get()) : path;
#endif
}

// One format run over stdin or a list of files; remembers the exit status.
class CFormatRun
{
public:
    CFormatRun(const FormatRequest& request, const FormatOptions& options, CliStreams& io)
        : m_request(request), m_options(options), m_io(io)
    {
    }

    int Run()
    {
        if (m_request.files.empty())
            FormatStdin();
        for (const std::string& file : m_request.files)
            FormatFile(file);
        if (m_failed)
            return kExitFailure;
        return m_changed ? kExitChanges : kExitOk;
    }

private:
    void FailFile(const std::string& name, const std::string& cause)
    {
        Fail(m_io.err, name + ": " + cause);
        m_failed = true;
    }

    void FormatStdin()
    {
        // In large blocks straight into the text, not through a growing
        // string stream that is copied at the end.
        std::string text;
        constexpr std::size_t Block = 1 << 20;
        for (std::size_t done = 0; m_io.in; text.resize(done))
        {
            text.resize(done + Block);
            m_io.in.read(&text[done], Block);
            done += static_cast<std::size_t>(m_io.in.gcount());
        }
        std::string result;
        std::string cause;
        if (!FormatSourceText(text, m_options, result, cause))
        {
            FailFile(kStdinName, cause);
            return;
        }
        if (m_request.mode == FormatRequest::Mode::Check)
            ReportIfChanged(kStdinName, text, result);
        else
            m_io.out << result;
    }

    void FormatFile(const std::string& name)
    {
        const std::string path = NativePath(name);
        std::string text;
        std::string cause;
        if (!ReadWholeFile(path, text, cause))
        {
            FailFile(name, cause == "is a directory" ? cause : "cannot open: " + cause);
            return;
        }
        std::string result;
        if (!FormatSourceText(text, m_options, result, cause))
        {
            FailFile(name, cause);
            return;
        }
        switch (m_request.mode)
        {
        case FormatRequest::Mode::Print:
            m_io.out << result;
            break;
        case FormatRequest::Mode::Check:
            ReportIfChanged(name, text, result);
            break;
        case FormatRequest::Mode::InPlace:
            Rewrite(name, path, text, result);
            break;
        }
    }

    // Compared in the text's own line-end style, as --in-place would write it.
    void ReportIfChanged(const std::string& name, const std::string& text, const std::string& result)
    {
        if (InOwnLineEnds(text, result) != text)
        {
            m_io.out << name << "\n";
            m_changed = true;
        }
    }

    void Rewrite(const std::string& name, const std::string& path, const std::string& text, const std::string& result)
    {
        const std::string bytes = InOwnLineEnds(text, result);
        if (bytes == text)
            return;
        std::string cause;
        if (!ReplaceFileContents(RewriteTarget(path), bytes, cause))
            FailFile(name, WriteFailureCause(cause));
    }

    static std::string InOwnLineEnds(const std::string& text, const std::string& result)
    {
        return FirstLineEndsInCrLf(text) ? ToCrLfLineEnds(result) : result;
    }

    const FormatRequest& m_request;
    const FormatOptions& m_options;
    CliStreams& m_io;
    bool m_failed = false;
    bool m_changed = false;
};

} // namespace

int RunFormatCommand(const std::vector<std::string>& args, CliStreams& io)
{
    FormatRequest request;
    std::string error;
    if (!ParseFormatRequest(args, request, error))
        return UsageError(io.err, "format", error);
    if (request.help)
    {
        WriteFormatHelp(io.out);
        return kExitOk;
    }
    FormatOptions options;
    if (!LoadRequestedFormatOptions(request.source, options, error, io.err))
        return Fail(io.err, error);
    return CFormatRun(request, options, io).Run();
}
