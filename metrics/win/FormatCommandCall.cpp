#include "FormatCommand.h"

#include "QLShared.h"

#include <cstring>

const FormatCommandSet& FindFormatCommand(const char* name)
{
    for (const FormatCommandSet& set : FormatCommandSets)
    {
        if (std::strcmp(set.name, name) == 0)
            return set;
    }
    static const FormatCommandSet unchanged{"", false, {}};
    return unchanged;
}

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
