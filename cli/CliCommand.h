#pragma once

#include "FormatCommandTable.h"
#include "FormatOptionTable.h"
#include "FormatOptions.h"

#include <iosfwd>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#ifdef _WIN32
#include "MessageBoxSeam.h"
#endif

// What the three commands of quillet-cli share: their streams and exit
// statuses, the reading of their arguments, their diagnostics, and the
// format step that format and batch both run.

class IProgressSink;

// The subcommands, the command sets and the option names are tables of
// entries with a "name" member, each looked up by that name (the command
// sets by the table's own FindFormatCommandSet) and listed by it in help and
// error texts.

// The entry whose name is name (exact spelling), or null.
template <typename Entries>
auto FindNamedEntry(const Entries& entries, const std::string& name) -> decltype(&*std::begin(entries))
{
    for (const auto& entry : entries)
    {
        if (name == entry.name)
            return &entry;
    }
    return nullptr;
}

// Every entry's name, separated by ", ".
template <typename Entries> std::string NamedEntryList(const Entries& entries)
{
    std::string list;
    for (const auto& entry : entries)
    {
        if (!list.empty())
            list += ", ";
        list += entry.name;
    }
    return list;
}

// The thirteen options by their stored value names, with the values
// --option accepts for each.
using FormatOptionName = FormatOptionSpec;
const FormatOptionName* FindFormatOptionName(const std::string& name);
std::string FormatOptionNameList();

// The format commands' names, for help and error texts.
std::string FormatCommandSetList();

// Prefix of every diagnostic line.
constexpr const char* kCliName = "quillet-cli";

enum CliExitStatus
{
    kExitOk = 0,
    kExitChanges = 1, // --check found something to change
    kExitFailure = 2  // usage error, or at least one input failed
};

// The streams a command works on; stdin/stdout/stderr in the real program.
struct CliStreams
{
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// The commands; each gets the arguments after its name.
int RunFormatCommand(const std::vector<std::string>& args, CliStreams& io);
int RunMetricsCommand(const std::vector<std::string>& args, CliStreams& io);
int RunBatchCommand(const std::vector<std::string>& args, CliStreams& io);

// Writes "quillet-cli: text" and returns kExitFailure.
int Fail(std::ostream& err, const std::string& text);

// Writes the usage error of command and where its help is; returns
// kExitFailure.
int UsageError(std::ostream& err, const std::string& command, const std::string& error);

// The usage error for a value an option does not know: "unknown KIND 'VALUE'
// for OPTION (one of CHOICES)".
std::string UnknownValue(const std::string& kind, const std::string& value, const std::string& option,
                         const std::string& choices);

// A decimal integer of at most a few digits; anything else is refused.
bool ParseSmallDecimal(const std::string& text, int& value);

// What an option takes after its name.
enum class CliValue
{
    None,      // a flag; given twice it is still given
    Single,    // one value; given twice is a usage error
    Repeatable // a value each time, all of them kept
};

// An option a command knows besides --help (and its short form -h).
struct CliOption
{
    const char* name;
    CliValue value = CliValue::None;
};

// One argument as CCliArguments read it.
struct CliArgument
{
    const char* option = nullptr; // as the command's table spells it; null for an operand
    std::string value;            // the option's value, or the operand

    bool IsOperand() const { return option == nullptr; }
    bool Is(const char* name) const;
};

// A command's arguments, read one at a time in order, the same way for every
// command: an option that takes a value has it as "--name VALUE" or
// "--name=VALUE", the VALUE taken as it is even when it starts with "-", and
// never empty; a flag stands alone. The usage errors found here are worded
// the same for every command.
class CCliArguments
{
public:
    // format takes FILEs, and "--" ends its options so that a FILE may start
    // with "-"; metrics and batch take a WORKSPACE, which may be "-".
    enum class Operands
    {
        Files,
        Workspace
    };

    CCliArguments(const std::vector<std::string>& args, std::vector<CliOption> options, Operands operands);

    // Reads the next argument. False at the end, and at an unknown option, a
    // missing value or a single-valued option given again, which Error()
    // then describes.
    bool Next(CliArgument& argument);
    const std::string& Error() const { return m_error; }

private:
    bool IsOperandWord(const std::string& word) const;

    std::vector<std::string> m_args;
    std::vector<CliOption> m_options;
    Operands m_operands;
    std::size_t m_next = 0;
    bool m_onlyOperands = false;
    std::vector<std::string> m_given; // the single-valued options met so far
    std::string m_error;
};

// The format step that format and batch share (FormatStep.cpp).

// Where a run's options come from, in the order they apply: the stored
// settings (the file given with --settings, or else the platform's own
// store), the --command set, then each --option.
struct FormatOptionsSource
{
    std::optional<std::string> settingsPath;
    std::string command;                                          // empty: stored options unchanged
    std::vector<std::pair<const FormatOptionName*, int>> options; // --option NAME=VALUE, in order
};

// Fails, naming the file and the cause, when a settings file exists but
// cannot be read; a missing file means the defaults, and so does a default
// file that cannot be reached, with a warning.
bool LoadRequestedFormatOptions(const FormatOptionsSource& source, FormatOptions& options, std::string& error,
                                std::ostream& warnings);

// Runs the formatting engine over one whole text. Fails, with the cause, when
// the text cannot be formatted safely: the engine reads only up to a NUL
// byte, so a text holding one would come back cut. An empty text is fine and
// gives an empty result. The engine reports its percentage to progress when
// one is given.
bool FormatSourceText(const std::string& text, const FormatOptions& options, std::string& result, std::string& cause,
                      IProgressSink* progress = nullptr);

// The engine run alone, for the batch, which refuses a text holding a NUL
// byte before it formats.
bool FormatNulFreeText(const std::string& text, const FormatOptions& options, std::string& result, std::string& cause,
                       IProgressSink* progress = nullptr);

// The message for a file that could not be replaced, from the cause the file
// helpers give.
std::string WriteFailureCause(const std::string& cause);

#ifdef _WIN32
// No window may pop up on the command line: while an object of this class
// lives (RunQuilletCli makes one for every run), every message box of
// the program, such as the registry store's "Error Opening Registry", becomes a
// line on the given stream instead, and a question is answered No.
class CConsoleMessageBoxes
{
public:
    explicit CConsoleMessageBoxes(std::ostream& stream);
    ~CConsoleMessageBoxes();
    CConsoleMessageBoxes(const CConsoleMessageBoxes&) = delete;
    CConsoleMessageBoxes& operator=(const CConsoleMessageBoxes&) = delete;

private:
    MessageBoxHandler m_previousHandler;
    std::ostream* m_previousStream;
};
#endif
