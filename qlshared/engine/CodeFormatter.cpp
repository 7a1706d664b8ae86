// One text formatted from start to end: sizes held to the pages' range, tab passes, the walk, then trimming.
#include "CodeFormatter.h"

#include "CodeWalk.h"
#include "FormatOptionTable.h"
#include "WhiteSpacePasses.h"

#include <algorithm>
#include <exception>

namespace
{

// The store passes any number on, but a tab or indent size beyond the range
// the pages allow multiplies the text (a size of 2^31 turns one tab into 2 GiB):
// such a size counts as the nearest end of the range.
FormatOptions WithSizesInRange(FormatOptions options)
{
    for (int FormatOptions::*size : {&FormatOptions::TabSize, &FormatOptions::IndentSize})
    {
        const FormatOptionSpec& range = FormatOptionOf(size);
        options.*size = std::clamp(options.*size, range.minimum, range.maximum);
    }
    return options;
}

} // namespace

CCodeFormatter::CCodeFormatter(const std::string& text, const FormatOptions& options)
    : m_options(WithSizesInRange(options))
{
    m_lines.Split(text);
}

int CCodeFormatter::Format()
{
    try
    {
        m_text.clear();
        if (m_options.SpaceTabStyle == TabConversion::TabsToSpaces)
            ConvertTabsToSpaces(m_lines, m_options.TabSize);
        else if (m_options.SpaceTabStyle == TabConversion::SpacesToTabs)
            ConvertSpacesToTabs(m_lines, m_options.TabSize);
        if (IsOn(m_options.DeleteTrailingWhiteSpace))
        {
            TrimLines(m_lines);
            m_lines.TrimSettledLines();
        }
        CCodeWalk(m_options, m_lines, m_progress).Run();

        // Again, for what the walk left: the blanks before a brace it moved.
        // Lines the walk settled were trimmed as each became final.
        if (IsOn(m_options.DeleteTrailingWhiteSpace))
            TrimLines(m_lines);
        // The two spell-check options are accepted and change nothing.
        m_lines.JoinInto(m_text);
        return 1;
    }
    catch (const std::exception&)
    {
        return 0;
    }
}
