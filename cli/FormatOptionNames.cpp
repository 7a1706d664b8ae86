#include "FormatOptionNames.h"

#include "NamedEntries.h"
#include "SettingNames.h"

namespace
{

// The names are those of the stored values. Sizes are limited as on the
// options sheet's Tabs page; the three-way options take 0, 1 or 2 and the
// flags 0 or 1.
const FormatOptionName kOptionNames[] = {
    {SettingNames::TabSize, &FormatOptions::TabSize, 0, 20},
    {SettingNames::IndentSize, &FormatOptions::IndentSize, 0, 20},
    {SettingNames::SpaceTabStyle, &FormatOptions::SpaceTabStyle, 0, 2},
    {SettingNames::OpenIndentStyle, &FormatOptions::OpenIndentStyle, 0, 2},
    {SettingNames::OpenNewLineStyle, &FormatOptions::OpenNewLineStyle, 0, 2},
    {SettingNames::CloseIndentStyle, &FormatOptions::CloseIndentStyle, 0, 2},
    {SettingNames::CloseNewLineStyle, &FormatOptions::CloseNewLineStyle, 0, 2},
    {SettingNames::ParenthesesSpace, &FormatOptions::ParenthesesSpace, 0, 2},
    {SettingNames::OperatorSpace, &FormatOptions::OperatorSpace, 0, 2},
    {SettingNames::DeleteTrailingWhiteSpace, &FormatOptions::DeleteTrailingWhiteSpace, 0, 1},
    {SettingNames::RecalculateIndents, &FormatOptions::RecalculateIndents, 0, 1},
    {SettingNames::SpellCheckComments, &FormatOptions::SpellCheckComments, 0, 1},
    {SettingNames::SpellCheckText, &FormatOptions::SpellCheckText, 0, 1},
};

} // namespace

const FormatOptionName* FindFormatOptionName(const std::string& name)
{
    return FindNamedEntry(kOptionNames, name);
}

std::string FormatOptionNameList()
{
    return NamedEntryList(kOptionNames);
}
