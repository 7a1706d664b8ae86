// The stored defaults of a fresh option set, and a caller's nine special-format values laid over loaded options.
#include "FormatOptions.h"

#include "FormatOptionTable.h"

FormatOptions::FormatOptions()
{
    for (const FormatOptionSpec& option : FormatOptionTable)
        option.Set(*this, option.storedDefault);
}

void ApplySpecialFormatValues(FormatOptions& options, const SpecialFormatValues& values)
{
    options.ParenthesesSpace = values.ParenthesesSpace;
    options.OperatorSpace = values.OperatorSpace;
    options.SpaceTabStyle = values.SpaceTabStyle;
    // KeepStored and above let a command change other aspects and keep the
    // user's brace placement.
    if (values.OpenNewLineStyle < BracePlacement::KeepStored)
        options.OpenNewLineStyle = values.OpenNewLineStyle;
    if (values.CloseNewLineStyle < BracePlacement::KeepStored)
        options.CloseNewLineStyle = values.CloseNewLineStyle;
    options.RecalculateIndents = values.RecalculateIndents;
    options.SpellCheckText = values.SpellCheckText;
    options.SpellCheckComments = values.SpellCheckComments;
    options.DeleteTrailingWhiteSpace = values.DeleteTrailingWhiteSpace;
}
