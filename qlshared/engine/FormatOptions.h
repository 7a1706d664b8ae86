#pragma once

// The thirteen format options and the values each kind of option takes.
//
// Every enumerator is the number stored in the settings, and a stored number
// outside a kind's enumerators is kept as it is: the store and the options
// pages can hold any 32-bit number (a radio group with no button checked
// saves -1), and the engine's tests of a value give such a number the effect
// it has always had.

// Where tabs become spaces or spaces tabs (SpaceTabStyle).
enum class TabConversion : int
{
    TabsToSpaces = 0,
    SpacesToTabs = 1, // and the engine indents with one tab per level
    Keep = 2,
};

// Where a brace that begins a line stands (OpenIndentStyle, CloseIndentStyle).
// The engine treats Keep like NoIndent.
enum class BraceIndent : int
{
    Indent = 0,
    NoIndent = 1,
    Keep = 2,
};

// Whether a brace goes to a line of its own (OpenNewLineStyle,
// CloseNewLineStyle).
enum class BracePlacement : int
{
    OwnLine = 0,
    Joined = 1, // onto the end of the previous line
    Keep = 2,
    KeepStored = 3, // only as a special-format value: and above, the stored one stays
};

// Spaces around operators (OperatorSpace) or inside parentheses
// (ParenthesesSpace).
enum class Spacing : int
{
    Space = 0,
    NoSpace = 1,
    Keep = 2,
};

// A yes/no option: any number but Off is on.
enum class OnOff : int
{
    Off = 0,
    On = 1,
};

inline bool IsOn(OnOff value)
{
    return value != OnOff::Off;
}

// Named after their stored values (FormatOptionTable describes each). A
// default-constructed set holds the stored defaults.
struct FormatOptions
{
    FormatOptions();

    int TabSize;
    int IndentSize;
    TabConversion SpaceTabStyle;
    BraceIndent OpenIndentStyle;
    BracePlacement OpenNewLineStyle;
    BraceIndent CloseIndentStyle;
    BracePlacement CloseNewLineStyle;
    Spacing ParenthesesSpace;
    Spacing OperatorSpace;
    OnOff DeleteTrailingWhiteSpace;
    OnOff RecalculateIndents;
    OnOff SpellCheckComments; // accepted and carried; changes nothing
    OnOff SpellCheckText;     // likewise
};

// The nine values a caller of SpecialFormatText passes, in parameter order.
// A default-constructed set changes nothing: every aspect is kept and every
// switch is off.
struct SpecialFormatValues
{
    Spacing ParenthesesSpace = Spacing::Keep;
    Spacing OperatorSpace = Spacing::Keep;
    TabConversion SpaceTabStyle = TabConversion::Keep;
    BracePlacement OpenNewLineStyle = BracePlacement::Keep;
    BracePlacement CloseNewLineStyle = BracePlacement::Keep;
    OnOff RecalculateIndents = OnOff::Off;
    OnOff SpellCheckText = OnOff::Off;
    OnOff SpellCheckComments = OnOff::Off;
    OnOff DeleteTrailingWhiteSpace = OnOff::Off;
};

// Replaces nine of the loaded options by the caller's values.
void ApplySpecialFormatValues(FormatOptions& options, const SpecialFormatValues& values);
