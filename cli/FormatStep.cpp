// What format and batch share: the options a run starts from, and the engine's pass over one text.
#include "CliCommand.h"
#include "CodeFormatter.h"
#include "FileSettingsStore.h"
#include "FileUtil.h"
#include "FormatSettings.h"
#include "RegistryExportFile.h"

#include <cerrno>
#include <cstring>
#include <exception>
#include <ostream>
#include <sys/stat.h>

#ifdef _WIN32
#include "SettingsRegistry.h"
#endif

// The format step that format and batch share: the options a run starts
// from, and the engine run over one text.

namespace
{

// A settings file that is there but unreadable is an error rather than a
// silent fall-back to the defaults.
bool CheckSettingsFile(const std::string& path, std::string& error)
{
    struct stat info
    {
    };
    if (stat(path.c_str(), &info) != 0 && errno == ENOENT)
        return true;
    std::string bytes;
    std::string cause;
    if (!ReadWholeFile(path, bytes, cause))
    {
        error = path + ": cannot read settings: " + cause;
        return false;
    }
    if (!CRegistryExportFile(bytes).IsReadable())
    {
        error = path + ": cannot read settings: saved as UTF-16, not as REGEDIT4 text";
        return false;
    }
    return true;
}

bool LoadStoredOptions(const std::optional<std::string>& settingsPath, FormatOptions& options, std::string& error,
                       std::ostream& warnings)
{
#ifdef _WIN32
    if (!settingsPath)
    {
        CSettingsRegistry registry;
        options = LoadFormatOptions(registry);
        return true;
    }
#endif
    const std::string path = settingsPath ? NativePath(*settingsPath) : DefaultSettingsFilePath();
    // A settings file nobody named, in a folder this user cannot enter (an
    // unreadable home), is as good as missing; one that was named is not.
    struct stat info
    {
    };
    if (!settingsPath && stat(path.c_str(), &info) != 0 && errno == EACCES)
    {
        warnings << "quillet-cli: warning: " << path << ": " << std::strerror(EACCES)
                 << "; formatting with the default options\n";
        options = FormatOptions();
        return true;
    }
    if (!CheckSettingsFile(path, error))
        return false;
    CFileSettingsStore store(path);
    options = LoadFormatOptions(store);
    return true;
}

} // namespace

bool LoadRequestedFormatOptions(const FormatOptionsSource& source, FormatOptions& options, std::string& error,
                                std::ostream& warnings)
{
    if (!LoadStoredOptions(source.settingsPath, options, error, warnings))
        return false;
    const FormatCommandSet* set = FindFormatCommandSet(source.command);
    if (set && !set->usesStoredOptions)
        ApplySpecialFormatValues(options, set->values);
    for (const auto& [option, value] : source.options)
        option->Set(options, value);
    return true;
}

bool FormatSourceText(const std::string& text, const FormatOptions& options, std::string& result, std::string& cause,
                      IProgressSink* progress)
{
    if (text.find('\0') != std::string::npos)
    {
        result.clear();
        cause = "holds a NUL byte";
        return false;
    }
    return FormatNulFreeText(text, options, result, cause, progress);
}

bool FormatNulFreeText(const std::string& text, const FormatOptions& options, std::string& result, std::string& cause,
                       IProgressSink* progress)
{
    result.clear();
    if (text.empty())
        return true;
    try
    {
        CCodeFormatter formatter(text, options);
        formatter.SetProgressDialog(progress);
        if (!formatter.Format())
        {
            cause = "formatting failed";
            return false;
        }
        result = formatter.TakeResult();
    }
    catch (const std::exception& exception)
    {
        cause = std::string("formatting failed: ") + exception.what();
        return false;
    }
    // Every line of a result ends in a line feed, so a text that is not
    // empty never formats to nothing: an empty result is a failure.
    if (result.empty())
    {
        cause = "formatting failed";
        return false;
    }
    return true;
}

std::string WriteFailureCause(const std::string& cause)
{
    if (cause == "is read-only")
        return "cannot be written: read-only";
    return cause.compare(0, 6, "cannot") == 0 ? cause : "cannot be written: " + cause;
}

const FormatOptionName* FindFormatOptionName(const std::string& name)
{
    return FindNamedEntry(FormatOptionTable, name);
}

std::string FormatOptionNameList()
{
    return NamedEntryList(FormatOptionTable);
}

std::string FormatCommandSetList()
{
    return NamedEntryList(FormatCommandSets);
}
