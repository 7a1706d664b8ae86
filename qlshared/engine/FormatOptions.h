#pragma once

// The thirteen format options, named after their stored values.
// 0 = first style, 1 = second style, 2 = do not change (see FormatSettings
// for how they are stored and their defaults).
struct FormatOptions
{
    int TabSize = 4;
    int IndentSize = 4;
    int SpaceTabStyle = 2;
    int OpenIndentStyle = 2;
    int OpenNewLineStyle = 2;
    int CloseIndentStyle = 2;
    int CloseNewLineStyle = 2;
    int ParenthesesSpace = 2;
    int OperatorSpace = 2;
    int DeleteTrailingWhiteSpace = 0;
    int RecalculateIndents = 0;
    int SpellCheckComments = 0;
    int SpellCheckText = 0;
};

// The nine values a caller of SpecialFormatText passes, in parameter order.
struct SpecialFormatValues
{
    int ParenthesesSpace;
    int OperatorSpace;
    int SpaceTabStyle;
    int OpenNewLineStyle;   // 3 or more keeps the stored value
    int CloseNewLineStyle;  // 3 or more keeps the stored value
    int RecalculateIndents;
    int SpellCheckText;
    int SpellCheckComments;
    int DeleteTrailingWhiteSpace;
};

// Replaces nine of the loaded options by the caller's values.
void ApplySpecialFormatValues(FormatOptions& options, const SpecialFormatValues& values);
