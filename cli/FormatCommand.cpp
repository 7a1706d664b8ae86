// The format command: its help, its options and modes, and the run over standard input or the files selected.
#include "CliCommand.h"
#include "FormatRun.h"
#include "FormattableExtensions.h"
#include "SourceSelection.h"

#include <algorithm>
#include <iterator>
#include <ostream>
#include <sstream>

// quillet-cli format: reformats standard input or FILEs.

namespace
{

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
           "         [--option NAME=VALUE]... [--in-place | --check | --diff] [--verbose]\n"
           "         [--extensions LIST] [--exclude PATTERN]... [--files-from FILE] [--jobs N]\n"
           "         [FILE | FOLDER]...\n"
           "\n"
           "Reformats C and C++ source text with the Quillet formatting engine.\n"
           "\n"
           "Options are taken in this order:\n"
           "  1. the stored format settings: the settings file given with --settings FILE;\n"
           "     or else a team's settings file .quillet.reg (the same REGEDIT4 text) in\n"
           "     the FILE's folder or the nearest folder above it (for standard input,\n"
           "     above the current folder);\n"
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
           "standard output, every line ended by a line feed. With FILEs and none of\n"
           "--in-place, --check and --diff, the results are written to standard output in\n"
           "order. A FOLDER stands for its C and C++ sources (.cpp, .inl, .c, .h):\n"
        << CSourceSelection::HelpText()
        << "\n"
           "  --in-place   rewrite each FILE that changes, keeping its line ends (a file\n"
           "               whose first line ends in CR LF is written with CR LF); a file\n"
           "               is replaced as a whole, never left half-written, and a file\n"
           "               that does not change is not touched\n"
           "  --check      write nothing; print 'FILE:LINE: would reformat' for each FILE\n"
           "               that would change, LINE its first changed line (<stdin> when\n"
           "               the text comes from standard input)\n"
           "  --diff       write nothing; print what would change as a unified diff with\n"
           "               a/FILE and b/FILE paths (apply it with 'patch -p1' or\n"
           "               'git apply')\n"
           "  --verbose    say on standard error which settings each FILE is formatted with\n"
           "  --jobs N     format N FILEs at once (default: one per processor); what is\n"
           "               printed and written is the same, in the same order, for any N\n"
           "  --           every argument after it is a FILE\n"
           "  --help       show this text\n"
           "\n"
           "Closing up operators keeps one space where two tokens would fuse (- -m, / *p).\n"
           "Re-indenting: a directive owes nothing to later lines; \"} else\" owes as \"else\".\n"
           "Moving braces onto lines of their own can make the output grow faster than\n"
           "the text; the time a run takes grows with its output.\n"
           "--in-place writes the new text beside FILE, in its folder, and then puts it\n"
           "in FILE's place: a symbolic link is followed and FILE keeps its owner, mode\n"
           "and extended attributes, but another hard link to FILE keeps the old text.\n"
           "A text holding a NUL byte is never formatted. Errors are reported on standard\n"
           "error as 'quillet-cli: FILE: cause' and the other files are still done.\n"
           "\n"
           "Exit status: 0 success; 1 --check or --diff found files that would change;\n"
           "2 a usage error, or a FILE failed (cannot open, holds a NUL byte, cannot be\n"
           "written, formatting failed, its settings cannot be read).\n";
}

// The NAME=VALUE of one --option.
bool ParseOption(const std::string& argument, FormatOptionsSource& source, std::string& error)
{
    const size_t equals = argument.find('=');
    const std::string name = argument.substr(0, equals);
    const FormatOptionName* option = FindFormatOptionName(name);
    if (!option)
    {
        error = UnknownValue("option name", name, "--option", FormatOptionNameList());
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
bool ParseFormatRequest(const std::vector<std::string>& args, FormatRequest& request, CSourceSelection& selection,
                        std::string& error)
{
    using Mode = FormatRequest::Mode;
    // The modes by their flags, in the order a conflict names them.
    const std::pair<const char*, Mode> modes[] = {
        {"--in-place", Mode::InPlace}, {"--check", Mode::Check}, {"--diff", Mode::Diff}};
    std::vector<CliOption> options = {{"--in-place"},
                                      {"--check"},
                                      {"--diff"},
                                      {"--verbose"},
                                      {"--settings", CliValue::Single},
                                      {"--command", CliValue::Single},
                                      {"--option", CliValue::Repeatable}};
    for (const CliOption& option : CSourceSelection::Options())
        options.push_back(option);
    options.push_back(CJobCount::Option());
    CCliArguments arguments(args, options, CCliArguments::Operands::Files);
    for (CliArgument argument; arguments.Next(argument);)
    {
        const std::string& value = argument.value;
        const auto mode = std::find_if(std::begin(modes), std::end(modes),
                                       [&](const auto& entry) { return argument.Is(entry.first); });
        if (argument.Is("--help"))
        {
            request.help = true;
        }
        else if (argument.Is("--verbose"))
        {
            request.verbose = true;
        }
        else if (mode != std::end(modes))
        {
            // --check --diff asks for the diff, as other formatters take it.
            const auto isCheckOrDiff = [](Mode m) { return m == Mode::Check || m == Mode::Diff; };
            if (isCheckOrDiff(request.mode) && isCheckOrDiff(mode->second))
            {
                request.mode = Mode::Diff;
                continue;
            }
            if (request.mode != Mode::Print && request.mode != mode->second)
            {
                const auto given = std::find_if(std::begin(modes), std::end(modes),
                                                [&](const auto& entry) { return entry.second == request.mode; });
                const auto [first, second] = std::minmax(given, mode);
                error = std::string(first->first) + " and " + second->first + " cannot be used together";
                return false;
            }
            request.mode = mode->second;
        }
        else if (argument.Is("--settings"))
        {
            request.source.settingsPath = value;
        }
        else if (argument.Is("--command"))
        {
            if (!FindFormatCommandSet(value))
            {
                error = UnknownValue("command", value, "--command", FormatCommandSetList());
                return false;
            }
            request.source.command = value;
        }
        else if (argument.Is("--option"))
        {
            if (!ParseOption(value, request.source, error))
                return false;
        }
        else if (argument.Is(CJobCount::kOption))
        {
            if (!request.jobs.Take(value, error))
                return false;
        }
        else if (!selection.Take(argument, error))
        {
            return false;
        }
    }
    error = arguments.Error();
    if (!error.empty())
        return false;
    if (!request.help && request.mode == Mode::InPlace && !selection.NamesFiles())
    {
        error = "--in-place needs at least one FILE";
        return false;
    }
    return true;
}

} // namespace

int RunFormatCommand(const std::vector<std::string>& args, CliStreams& io)
{
    FormatRequest request;
    CSourceSelection selection({std::begin(FormattableExtensions), std::end(FormattableExtensions)});
    std::string error;
    if (!ParseFormatRequest(args, request, selection, error))
        return UsageError(io.err, "format", error);
    if (request.help)
    {
        WriteFormatHelp(io.out);
        return kExitOk;
    }
    CFormatRun run(request, io);
    if (!run.Start(error))
        return Fail(io.err, error);
    std::vector<std::string> files;
    std::vector<std::string> problems;
    if (!selection.Collect(io.in, files, problems))
        return Fail(io.err, problems.back());
    for (const std::string& problem : problems)
        Fail(io.err, problem);
    // Named files that select nothing are no reason to read standard input.
    if (files.empty() && selection.NamesFiles())
        return problems.empty() ? kExitOk : kExitFailure;
    return run.Run(files, !problems.empty());
}
