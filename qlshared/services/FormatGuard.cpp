#include "FormatGuard.h"

#include "CodeFormatter.h"

#include <optional>

namespace
{

const char* const FormattingFailedText = "Unexpected error in formatting process, text is unchanged.";

// Every exception is caught, not only the library's own: one escaping an
// export would cross into a caller that cannot handle it.
std::string RunGuarded(int entryPoint, const std::string& text, const FormatOptionsLoader& buildOptions,
                       IProgressSink* progress, IMessageSink& messages)
{
    if (text.empty())
        return std::string();

    std::optional<CCodeFormatter> formatter;
    try
    {
        formatter.emplace(text, buildOptions());
        formatter->SetProgressDialog(progress);
    }
    catch (...)
    {
        messages.Show(EntryPointErrorText(entryPoint), LibraryCaption, MessageStyle::Ok);
        return std::string();
    }

    int formatted = 0;
    try
    {
        formatted = formatter->Format();
    }
    catch (...)
    {
        formatted = 0;
    }
    if (!formatted)
    {
        messages.Show(FormattingFailedText, LibraryCaption, MessageStyle::Ok);
        return std::string();
    }

    try
    {
        return formatter->GetResult();
    }
    catch (...)
    {
        messages.Show(EntryPointErrorText(entryPoint), LibraryCaption, MessageStyle::Ok);
        return std::string();
    }
}

} // namespace

std::string EntryPointErrorText(int entryPoint)
{
    return "Unexpected error in DLL entry point " + std::to_string(entryPoint);
}

std::string GuardedFormatText(const std::string& text, const FormatOptionsLoader& loadOptions,
                              IProgressSink* progress, IMessageSink& messages)
{
    return RunGuarded(FormatTextEntryPoint, text, loadOptions, progress, messages);
}

std::string GuardedSpecialFormatText(const std::string& text, const FormatOptionsLoader& loadOptions,
                                     const SpecialFormatValues& values, IProgressSink* progress,
                                     IMessageSink& messages)
{
    const auto build = [&loadOptions, &values] {
        FormatOptions options = loadOptions();
        ApplySpecialFormatValues(options, values);
        return options;
    };
    return RunGuarded(SpecialFormatTextEntryPoint, text, build, progress, messages);
}

std::string GuardedFormatWithOptions(const std::string& text, const FormatOptions& options,
                                     IProgressSink* progress, IMessageSink& messages)
{
    const auto given = [&options] { return options; };
    return RunGuarded(SpecialFormatTextEntryPoint, text, given, progress, messages);
}
