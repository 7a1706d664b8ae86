// The library's exports FormatText and SpecialFormatText, and the options sheet's preview format, all under one guard.
#include "FormatExports.h"

#include "FormatGuard.h"
#include "FormatSettings.h"
#include "ProgressDlg.h"
#include "QLShared.h"
#include "SettingsStoreFactory.h"
#include "WinMessageSink.h"
#include "WindowProgressSink.h"

namespace
{

FormatOptions LoadStoredOptions()
{
    const std::unique_ptr<ISettingsStore> store = CreateSettingsStore();
    return LoadFormatOptions(*store);
}

// Progress goes to the dialog's window, when there is a dialog.
class CExportProgress
{
public:
    explicit CExportProgress(CProgressDlg* dialog)
        : m_window(dialog ? dialog->GetSafeHwnd() : nullptr), m_dialog(dialog)
    {
    }
    IProgressSink* Sink() { return m_dialog ? &m_window : nullptr; }

private:
    CWindowProgressSink m_window;
    CProgressDlg* m_dialog;
};

} // namespace

// The guard is the exports' one handler: nothing here can throw.

std::string FormatText(const std::string& text, CProgressDlg* progress)
{
    CWinMessageSink messages;
    CExportProgress sink(progress);
    return GuardedFormatText(text, LoadStoredOptions, sink.Sink(), messages);
}

std::string SpecialFormatText(const std::string& text, CProgressDlg* progress, int parenthesesSpace, int operatorSpace,
                              int spaceTabStyle, int openNewLineStyle, int closeNewLineStyle, int recalculateIndents,
                              int spellCheckText, int spellCheckComments, int deleteTrailingWhiteSpace)
{
    const SpecialFormatValues values{Spacing{parenthesesSpace},
                                     Spacing{operatorSpace},
                                     TabConversion{spaceTabStyle},
                                     BracePlacement{openNewLineStyle},
                                     BracePlacement{closeNewLineStyle},
                                     OnOff{recalculateIndents},
                                     OnOff{spellCheckText},
                                     OnOff{spellCheckComments},
                                     OnOff{deleteTrailingWhiteSpace}};
    CWinMessageSink messages;
    CExportProgress sink(progress);
    return GuardedSpecialFormatText(text, LoadStoredOptions, values, sink.Sink(), messages);
}

std::string FormatPreviewText(const std::string& text, const PreviewOptionsRule& previewOptions)
{
    CWinMessageSink messages;
    const auto load = [&previewOptions] { return previewOptions(LoadStoredOptions()); };
    return GuardedPreviewFormat(text, load, nullptr, messages);
}
