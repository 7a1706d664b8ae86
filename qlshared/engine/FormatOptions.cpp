#include "FormatOptions.h"

void ApplySpecialFormatValues(FormatOptions& options, const SpecialFormatValues& values)
{
    options.ParenthesesSpace = values.ParenthesesSpace;
    options.OperatorSpace = values.OperatorSpace;
    options.SpaceTabStyle = values.SpaceTabStyle;
    // 3 and above let a command change other aspects and keep the user's
    // brace placement.
    if (values.OpenNewLineStyle < 3)
        options.OpenNewLineStyle = values.OpenNewLineStyle;
    if (values.CloseNewLineStyle < 3)
        options.CloseNewLineStyle = values.CloseNewLineStyle;
    options.RecalculateIndents = values.RecalculateIndents;
    options.SpellCheckText = values.SpellCheckText;
    options.SpellCheckComments = values.SpellCheckComments;
    options.DeleteTrailingWhiteSpace = values.DeleteTrailingWhiteSpace;
}
