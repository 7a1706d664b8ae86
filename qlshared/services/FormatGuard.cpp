// The formatting exports' one failure handler: every exception caught, its message chosen by where it arose.
#include "FormatGuard.h"

#include "CodeFormatter.h"

namespace
{

const char* const FormattingFailedText = "Unexpected error in formatting process, text is unchanged.";

// The one handler of a formatting export. Every exception is caught, not
// only the library's own: one escaping an export would cross into a caller
// that cannot handle it. Where it arose decides the message: in the pass the
// text is reported unchanged; anywhere else (loading the options, building
// the formatter, taking its result) the export's number is named.
std::string RunGuarded(int entryPoint, const std::string& text, const FormatOptionsLoader& loadOptions,
                       IProgressSink* progress, IMessageSink& messages)
{
    if (text.empty())
        return std::string();

    bool inPass = false;
    try
    {
        const FormatOptions options = loadOptions();
        CCodeFormatter formatter(text, options);
        formatter.SetProgressDialog(progress);
        inPass = true;
        const bool formatted = formatter.Format() != 0;
        inPass = false;
        if (!formatted)
        {
            messages.Show(FormattingFailedText, LibraryCaption, MessageStyle::Ok);
            return std::string();
        }
        return formatter.TakeResult();
    }
    catch (...)
    {
        messages.Show(inPass ? FormattingFailedText : EntryPointErrorText(entryPoint), LibraryCaption,
                      MessageStyle::Ok);
        return std::string();
    }
}

} // namespace

std::string EntryPointErrorText(int entryPoint)
{
    return "Unexpected error in DLL entry point " + std::to_string(entryPoint);
}

std::string GuardedFormatText(const std::string& text, const FormatOptionsLoader& loadOptions, IProgressSink* progress,
                              IMessageSink& messages)
{
    return RunGuarded(FormatTextEntryPoint, text, loadOptions, progress, messages);
}

std::string GuardedSpecialFormatText(const std::string& text, const FormatOptionsLoader& loadOptions,
                                     const SpecialFormatValues& values, IProgressSink* progress, IMessageSink& messages)
{
    const auto load = [&loadOptions, &values]
    {
        FormatOptions options = loadOptions();
        ApplySpecialFormatValues(options, values);
        return options;
    };
    return RunGuarded(SpecialFormatTextEntryPoint, text, load, progress, messages);
}

std::string GuardedPreviewFormat(const std::string& text, const FormatOptionsLoader& loadOptions,
                                 IProgressSink* progress, IMessageSink& messages)
{
    return RunGuarded(SpecialFormatTextEntryPoint, text, loadOptions, progress, messages);
}
