#include "FormatCommandSets.h"

#include "NamedEntries.h"

namespace
{

// Values in parameter order: ParenthesesSpace, OperatorSpace, SpaceTabStyle,
// OpenNewLineStyle, CloseNewLineStyle, RecalculateIndents, SpellCheckText,
// SpellCheckComments, DeleteTrailingWhiteSpace.
const FormatCommandSet kCommandSets[] = {
    {"full", true, {}},
    {"reindent", false, {2, 2, 2, 3, 3, 1, 0, 0, 0}},
    {"tabify", false, {2, 2, 1, 2, 2, 0, 0, 0, 0}},
    {"untabify", false, {2, 2, 0, 2, 2, 0, 0, 0, 0}},
    {"operator-expand", false, {2, 0, 2, 2, 2, 0, 0, 0, 0}},
    {"operator-contract", false, {2, 1, 2, 2, 2, 0, 0, 0, 0}},
    {"parentheses-expand", false, {0, 2, 2, 2, 2, 0, 0, 0, 0}},
    {"parentheses-contract", false, {1, 2, 2, 2, 2, 0, 0, 0, 0}},
    {"delete-trailing-whitespace", false, {2, 2, 2, 2, 2, 0, 0, 0, 1}},
};

} // namespace

const FormatCommandSet* FindFormatCommandSet(const std::string& name)
{
    return FindNamedEntry(kCommandSets, name);
}

std::string FormatCommandSetList()
{
    return NamedEntryList(kCommandSets);
}
