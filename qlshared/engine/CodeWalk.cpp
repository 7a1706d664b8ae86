// The formatting pass's walk over the lines: where code, comments and literals are, and which step acts at each byte.
#include "CodeWalk.h"

#include "LineScanner.h"
#include "OperatorTable.h"

CCodeWalk::CCodeWalk(const FormatOptions& options, CLineArray& lines, IProgressSink* progress)
    : m_lines(lines), m_openPlacement(options.OpenNewLineStyle), m_closePlacement(options.CloseNewLineStyle),
      m_recalculateIndents(IsOn(options.RecalculateIndents)),
      m_bracesMove(m_openPlacement == BracePlacement::OwnLine || m_openPlacement == BracePlacement::Joined ||
                   m_closePlacement == BracePlacement::OwnLine || m_closePlacement == BracePlacement::Joined),
      // Any stored number below Keep runs the operator step, and every one
      // but Space closes operators up.
      m_spaceOperators(options.OperatorSpace < Spacing::Keep),
      m_spaceParentheses(options.ParenthesesSpace == Spacing::Space || options.ParenthesesSpace == Spacing::NoSpace),
      m_progress(progress), m_indenter(options, lines), m_braces(options, lines), m_spacer(options)
{
    for (unsigned char c : {'{', '}', '/', '"', '\'', '#'})
        m_codeBytes[c] = true;
    if (m_recalculateIndents)
    {
        m_codeBytes[';'] = true;
        m_codeBytes['s'] = true; // the start of "switch"
    }
    if (m_spaceOperators)
    {
        for (int c = 0; c < 256; ++c)
            m_codeBytes[c] = m_codeBytes[c] || CanBeginOperator(static_cast<unsigned char>(c));
    }
    if (m_spaceParentheses)
        m_codeBytes['('] = m_codeBytes[')'] = true;
    m_blockCommentBytes['/'] = true;
    m_stringBytes['"'] = true;
    m_charBytes['\''] = true;
}

void CCodeWalk::Run()
{
    CWorkingLine line;
    bool held = false;
    // Brace moves insert and remove lines, so the count is read anew for
    // every line.
    for (std::size_t lineIndex = 0; lineIndex < m_lines.Size(); ++lineIndex)
    {
        m_progress.Report(lineIndex, m_lines.Size());
        BeginLine(line, lineIndex, held);
        held = WalkLine(line, lineIndex);
        // The walk is done with the lines up to this one, but for braces
        // joined onto its end.
        // A text of one line, long perhaps, has it for its result as it
        // stands: no copy.
        if (!held && line.IsChanged() && m_lines.Size() == 1)
            m_lines.SettleOnly(line.Release());
        else if (!held && line.IsChanged())
            m_lines.Settle(lineIndex, line.Contiguous());
        else
            m_lines.Settle(lineIndex);
        m_state.Continued = EndsWithBackslash(m_lines[lineIndex]);
    }
}

// Line comments, literals and preprocessor text end with their line unless
// it was continued with a backslash.
void CCodeWalk::BeginLine(CWorkingLine& line, std::size_t lineIndex, bool held)
{
    if (!m_state.Continued)
    {
        if (m_state.InPreprocessor)
            m_state.AfterPreprocessor = true;
        m_state.InLineComment = false;
        m_state.InString = false;
        m_state.InChar = false;
        m_state.InPreprocessor = false;
    }
    // Only a brace move needs the flag; the scan is skipped when none can
    // happen. A held line was split off in code, outside any comment.
    if (held)
    {
        m_state.LineHasBalancedBraces = m_bracesMove && line.HasBalancedBraces();
        return;
    }
    line.Load(m_lines[lineIndex]);
    m_state.LineHasBalancedBraces = m_bracesMove && LineHasBalancedBraces(line.Contiguous(), m_state.InBlockComment);
}

// A line comment and preprocessor text run to the end of the line and no
// step acts inside them.
const ByteSet& CCodeWalk::BytesThatMatter() const
{
    if (m_state.InLineComment || m_state.InPreprocessor)
        return m_noBytes;
    if (m_state.InBlockComment)
        return m_blockCommentBytes;
    if (m_state.InString)
        return m_stringBytes;
    if (m_state.InChar)
        return m_charBytes;
    return m_codeBytes;
}

// Whether the line starts with an opening brace of code that the walk will
// join onto the line before.
bool CCodeWalk::OpeningBraceJoins(const CWorkingLine& line, std::size_t lineIndex) const
{
    if (m_openPlacement != BracePlacement::Joined || m_state.LineHasBalancedBraces || m_state.InBlockComment ||
        m_state.InLineComment || m_state.InString || m_state.InChar || m_state.InPreprocessor)
    {
        return false;
    }
    const std::size_t first = line.FirstNonBlank();
    return first < line.size() && line[first] == '{' && m_braces.CanJoin(line, lineIndex, first);
}

bool CCodeWalk::WalkLine(CWorkingLine& line, std::size_t& lineIndex)
{
    for (std::size_t pos = 0; pos < line.size(); ++pos)
    {
        // The first byte always gets the indentation step.
        if (pos > 0)
        {
            pos = line.FindFirstOf(pos, BytesThatMatter());
            if (pos >= line.size())
                break;
            // Past the first byte an 's' matters only as the start of switch.
            if (line[pos] == 's' && !MatchesKeywordAt(line, pos, "switch"))
                continue;
        }
        if (m_recalculateIndents && !m_state.InString && !m_state.InChar && !m_state.InPreprocessor)
        {
            // A line whose opening brace goes up onto the line before
            // leaves its blanks behind: indenting it first would cost its
            // depth, which a run of such lines makes ever larger.
            m_indenter.Step(m_state, line, lineIndex, pos, pos == 0 && OpeningBraceJoins(line, lineIndex));
            if (pos >= line.size())
                break;
        }
        const StepEnd end = StepCode(line, lineIndex, pos);
        if (end == StepEnd::LineEnded)
            return true;
        if (end == StepEnd::EndTest)
            EndPosition(line, pos);
    }
    return false;
}

CCodeWalk::StepEnd CCodeWalk::StepCode(CWorkingLine& line, std::size_t& lineIndex, std::size_t& pos)
{
    if (m_state.InLineComment || m_state.InBlockComment || m_state.InString || m_state.InChar || m_state.InPreprocessor)
    {
        return StepEnd::EndTest;
    }

    const char c = line[pos];
    if (c == '/' && pos + 1 < line.size() && line[pos + 1] == '/')
    {
        m_state.InLineComment = true;
        return StepEnd::EndTest;
    }
    if (c == '/' && pos + 1 < line.size() && line[pos + 1] == '*')
    {
        m_state.InBlockComment = true;
        // In "/*/" the last slash does not close the comment it belongs to.
        if (pos + 2 < line.size() && line[pos + 2] == '/')
            pos += 3;
        // The end-of-comment test is skipped here: in "*/*" the slash that
        // opens the comment would otherwise close it at once.
        return StepEnd::NoEndTest;
    }
    if (c == '"')
    {
        m_state.InString = true;
        return StepEnd::NoEndTest;
    }
    if (c == '\'')
    {
        m_state.InChar = true;
        return StepEnd::NoEndTest;
    }
    if (c == '#' && !m_state.Continued)
    {
        m_state.InPreprocessor = true;
        return StepEnd::NoEndTest;
    }

    // The depth passed is the depth inside the block for either brace.
    if (c == '{')
    {
        ++m_state.BraceDepth;
        if (!m_state.LineHasBalancedBraces && m_braces.Place(m_openPlacement, line, lineIndex, pos, m_state.BraceDepth))
        {
            return StepEnd::LineEnded;
        }
    }
    else if (c == '}')
    {
        if (!m_state.LineHasBalancedBraces)
            m_braces.Place(m_closePlacement, line, lineIndex, pos, m_state.BraceDepth);
        --m_state.BraceDepth;
    }

    if (m_spaceOperators)
        m_spacer.SpaceOperator(line, pos);
    if (m_spaceParentheses)
        m_spacer.SpaceParentheses(line, pos);
    return StepEnd::EndTest;
}

void CCodeWalk::EndPosition(const CWorkingLine& line, std::size_t pos)
{
    if (pos >= line.size())
        return;
    if (m_state.InBlockComment)
    {
        if (pos > 0 && line[pos] == '/' && line[pos - 1] == '*')
            m_state.InBlockComment = false;
    }
    else if (m_state.InString)
    {
        if (IsClosingQuote(line, pos, '"'))
            m_state.InString = false;
    }
    else if (m_state.InChar)
    {
        if (IsClosingQuote(line, pos, '\''))
            m_state.InChar = false;
    }
}
