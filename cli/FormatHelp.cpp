#include "FormatHelp.h"

#include "FormatCommandSets.h"
#include "FormatOptionNames.h"

#include <ostream>
#include <sstream>
#include <string>

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

} // namespace

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
        <<
           "  3. each --option NAME=VALUE then sets one option outright, whatever its\n"
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
