#include "FormatExports.h"

#include "FormatGuard.h"
#include "FormatSettings.h"
#include "ProgressDlg.h"
#include "QLShared.h"
#include "SettingsStoreFactory.h"
#include "WinMessageSink.h"
#include "WindowProgressSink.h"

#include <optional>

namespace
{

FormatOptions LoadStoredOptions()
{
    const std::unique_ptr<ISettingsStore> store = CreateSettingsStore();
    return LoadFormatOptions(*store);
}

// Runs one formatting export: the progress sink lives for the call, and
// anything that still escapes is reported under the export's number.
template <class Run>
std::string RunExport(int entryPoint, CProgressDlg* progress, Run run)
{
    CWinMessageSink messages;
    try
    {
        std::optional<CWindowProgressSink> sink;
        if (progress)
            sink.emplace(progress->GetSafeHwnd());
        return run(sink ? &*sink : nullptr, messages);
    }
    catch (...)
    {
        messages.Show(EntryPointErrorText(entryPoint), LibraryCaption, MessageStyle::Ok);
        return std::string();
    }
}

} // namespace

std::string FormatText(const std::string& text, CProgressDlg* progress)
{
    return RunExport(FormatTextEntryPoint, progress, [&text](IProgressSink* sink, IMessageSink& messages) {
        return GuardedFormatText(text, LoadStoredOptions, sink, messages);
    });
}

std::string SpecialFormatText(const std::string& text, CProgressDlg* progress, int parenthesesSpace,
                              int operatorSpace, int spaceTabStyle, int openNewLineStyle, int closeNewLineStyle,
                              int recalculateIndents, int spellCheckText, int spellCheckComments,
                              int deleteTrailingWhiteSpace)
{
    const SpecialFormatValues values{parenthesesSpace,  operatorSpace,  spaceTabStyle,
                                     openNewLineStyle,  closeNewLineStyle, recalculateIndents,
                                     spellCheckText,    spellCheckComments, deleteTrailingWhiteSpace};
    return RunExport(SpecialFormatTextEntryPoint, progress, [&text, &values](IProgressSink* sink,
                                                                              IMessageSink& messages) {
        return GuardedSpecialFormatText(text, LoadStoredOptions, values, sink, messages);
    });
}

std::string FormatTextWithOptions(const std::string& text, CProgressDlg* progress, const FormatOptions& options)
{
    return RunExport(SpecialFormatTextEntryPoint, progress, [&text, &options](IProgressSink* sink,
                                                                               IMessageSink& messages) {
        return GuardedFormatWithOptions(text, options, sink, messages);
    });
}
