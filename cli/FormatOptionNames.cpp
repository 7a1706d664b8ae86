#include "FormatOptionNames.h"

namespace
{

// Sizes are limited as on the options sheet's Tabs page; the three-way
// options take 0, 1 or 2 and the flags 0 or 1.
const FormatOptionName kOptionNames[] = {
    {"TabSize", &FormatOptions::TabSize, 0, 20},
    {"IndentSize", &FormatOptions::IndentSize, 0, 20},
    {"SpaceTabStyle", &FormatOptions::SpaceTabStyle, 0, 2},
    {"OpenIndentStyle", &FormatOptions::OpenIndentStyle, 0, 2},
    {"OpenNewLineStyle", &FormatOptions::OpenNewLineStyle, 0, 2},
    {"CloseIndentStyle", &FormatOptions::CloseIndentStyle, 0, 2},
    {"CloseNewLineStyle", &FormatOptions::CloseNewLineStyle, 0, 2},
    {"ParenthesesSpace", &FormatOptions::ParenthesesSpace, 0, 2},
    {"OperatorSpace", &FormatOptions::OperatorSpace, 0, 2},
    {"DeleteTrailingWhiteSpace", &FormatOptions::DeleteTrailingWhiteSpace, 0, 1},
    {"RecalculateIndents", &FormatOptions::RecalculateIndents, 0, 1},
    {"SpellCheckComments", &FormatOptions::SpellCheckComments, 0, 1},
    {"SpellCheckText", &FormatOptions::SpellCheckText, 0, 1},
};

} // namespace

const FormatOptionName* FindFormatOptionName(const std::string& name)
{
    for (const FormatOptionName& option : kOptionNames)
    {
        if (name == option.name)
            return &option;
    }
    return nullptr;
}

std::string FormatOptionNameList()
{
    std::string list;
    for (const FormatOptionName& option : kOptionNames)
    {
        if (!list.empty())
            list += ", ";
        list += option.name;
    }
    return list;
}
