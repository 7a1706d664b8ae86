// The one call of the formatting exports with a format command's nine values.

#include "FormatCommandCall.h"

#include "QLShared.h"

std::string RunFormatCommand(const FormatCommandSet& command, const std::string& text, CProgressDlg* progress)
{
    if (command.usesStoredOptions)
        return FormatText(text, progress);
    const SpecialFormatValues& values = command.values;
    return SpecialFormatText(text, progress, int(values.ParenthesesSpace), int(values.OperatorSpace),
                             int(values.SpaceTabStyle), int(values.OpenNewLineStyle), int(values.CloseNewLineStyle),
                             int(values.RecalculateIndents), int(values.SpellCheckText), int(values.SpellCheckComments),
                             int(values.DeleteTrailingWhiteSpace));
}
