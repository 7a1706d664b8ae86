// The fixed values of each format command, one row per command, which every front end looks up by name.
#include "FormatCommandTable.h"

// Each row names only what its command changes; the rest of its values keep
// their aspect of the text as it is.
constexpr FormatCommandSet FormatCommandSets[FormatCommandCount] = {
    {.name = "full", .usesStoredOptions = true},
    // Re-indenting may move braces the way the user's settings say.
    {.name = "reindent",
     .values = {.OpenNewLineStyle = BracePlacement::KeepStored,
                .CloseNewLineStyle = BracePlacement::KeepStored,
                .RecalculateIndents = OnOff::On}},
    {.name = "tabify", .values = {.SpaceTabStyle = TabConversion::SpacesToTabs}},
    {.name = "untabify", .values = {.SpaceTabStyle = TabConversion::TabsToSpaces}},
    {.name = "operator-expand", .values = {.OperatorSpace = Spacing::Space}},
    {.name = "operator-contract", .values = {.OperatorSpace = Spacing::NoSpace}},
    {.name = "parentheses-expand", .values = {.ParenthesesSpace = Spacing::Space}},
    {.name = "parentheses-contract", .values = {.ParenthesesSpace = Spacing::NoSpace}},
    {.name = "delete-trailing-whitespace", .values = {.DeleteTrailingWhiteSpace = OnOff::On}},
};

const FormatCommandSet* FindFormatCommandSet(std::string_view name)
{
    for (const FormatCommandSet& set : FormatCommandSets)
    {
        if (name == set.name)
            return &set;
    }
    return nullptr;
}
