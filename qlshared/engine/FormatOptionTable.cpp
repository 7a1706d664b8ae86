// Each format option's name, default, range and store order: the one table the store, CLI and pages share.
#include "FormatOptionTable.h"

#include <algorithm>
#include <type_traits>

// Sizes take what the Tabs page lets the user type; the three-way options
// take their three choices and the yes/no options 0 or 1. The pages show
// "Space" for a missing spacing value where the formatter keeps the spacing.
constexpr FormatOptionSpec FormatOptionTable[FormatOptionCount] = {
    {.name = "TabSize",
     .member = &FormatOptions::TabSize,
     .storedDefault = 4,
     .pageDefault = 4,
     .minimum = 0,
     .maximum = 20,
     .loadPosition = 0,
     .savePosition = 0},
    {.name = "IndentSize",
     .member = &FormatOptions::IndentSize,
     .storedDefault = 4,
     .pageDefault = 4,
     .minimum = 0,
     .maximum = 20,
     .loadPosition = 1,
     .savePosition = 1},
    {.name = "SpaceTabStyle",
     .member = &FormatOptions::SpaceTabStyle,
     .storedDefault = 2,
     .pageDefault = 2,
     .minimum = 0,
     .maximum = 2,
     .loadPosition = 2,
     .savePosition = 2},
    {.name = "OpenIndentStyle",
     .member = &FormatOptions::OpenIndentStyle,
     .storedDefault = 2,
     .pageDefault = 2,
     .minimum = 0,
     .maximum = 2,
     .loadPosition = 3,
     .savePosition = 5},
    {.name = "OpenNewLineStyle",
     .member = &FormatOptions::OpenNewLineStyle,
     .storedDefault = 2,
     .pageDefault = 2,
     .minimum = 0,
     .maximum = 2,
     .loadPosition = 4,
     .savePosition = 6},
    {.name = "CloseIndentStyle",
     .member = &FormatOptions::CloseIndentStyle,
     .storedDefault = 2,
     .pageDefault = 2,
     .minimum = 0,
     .maximum = 2,
     .loadPosition = 5,
     .savePosition = 3},
    {.name = "CloseNewLineStyle",
     .member = &FormatOptions::CloseNewLineStyle,
     .storedDefault = 2,
     .pageDefault = 2,
     .minimum = 0,
     .maximum = 2,
     .loadPosition = 6,
     .savePosition = 4},
    {.name = "ParenthesesSpace",
     .member = &FormatOptions::ParenthesesSpace,
     .storedDefault = 2,
     .pageDefault = 0,
     .minimum = 0,
     .maximum = 2,
     .loadPosition = 7,
     .savePosition = 10},
    {.name = "OperatorSpace",
     .member = &FormatOptions::OperatorSpace,
     .storedDefault = 2,
     .pageDefault = 0,
     .minimum = 0,
     .maximum = 2,
     .loadPosition = 8,
     .savePosition = 9},
    {.name = "DeleteTrailingWhiteSpace",
     .member = &FormatOptions::DeleteTrailingWhiteSpace,
     .storedDefault = 0,
     .pageDefault = 0,
     .minimum = 0,
     .maximum = 1,
     .loadPosition = 9,
     .savePosition = 8},
    {.name = "RecalculateIndents",
     .member = &FormatOptions::RecalculateIndents,
     .storedDefault = 0,
     .pageDefault = 0,
     .minimum = 0,
     .maximum = 1,
     .loadPosition = 12,
     .savePosition = 7},
    {.name = "SpellCheckComments",
     .member = &FormatOptions::SpellCheckComments,
     .storedDefault = 0,
     .pageDefault = 0,
     .minimum = 0,
     .maximum = 1,
     .loadPosition = 10,
     .savePosition = 11},
    {.name = "SpellCheckText",
     .member = &FormatOptions::SpellCheckText,
     .storedDefault = 0,
     .pageDefault = 0,
     .minimum = 0,
     .maximum = 1,
     .loadPosition = 11,
     .savePosition = 12},
};

int FormatOptionSpec::Get(const FormatOptions& options) const
{
    return std::visit([&options](auto field) { return static_cast<int>(options.*field); }, member);
}

void FormatOptionSpec::Set(FormatOptions& options, int number) const
{
    std::visit(
        [&options, number](auto field)
        {
            using Value = std::remove_reference_t<decltype(options.*field)>;
            options.*field = static_cast<Value>(number);
        },
        member);
}

FormatOptionOrder FormatOptionsInOrderOf(int FormatOptionSpec::*position)
{
    FormatOptionOrder order{};
    for (const FormatOptionSpec& option : FormatOptionTable)
        order[static_cast<std::size_t>(option.*position)] = &option;
    return order;
}

const FormatOptionSpec& FormatOptionOf(FormatOptionMember member)
{
    return *std::find_if(std::begin(FormatOptionTable), std::end(FormatOptionTable),
                         [&member](const FormatOptionSpec& option) { return option.member == member; });
}
