#pragma once

#include "FormatOptions.h"
#include "LineArray.h"
#include "ProgressSink.h"

#include <string>
#include <utility>

// Formats one text under the thirteen format options: splits it into lines,
// runs the passes over them and joins them again. Each line of the result
// ends with one line feed.
class CCodeFormatter
{
public:
    CCodeFormatter(const std::string& text, const FormatOptions& options);

    // Where progress goes; none by default.
    void SetProgressDialog(IProgressSink* progress) { m_progress = progress; }
    // Nonzero on success; 0 when the pass ran out of memory or failed
    // otherwise, in which case the result is to be discarded.
    int Format();
    // The formatted text once Format has succeeded; empty before and after a
    // failure.
    const std::string& GetResult() const { return m_text; }
    // The same, handed over without a copy; the formatter keeps nothing.
    std::string TakeResult() { return std::move(m_text); }

private:
    const FormatOptions m_options;
    CLineArray m_lines;
    std::string m_text;
    IProgressSink* m_progress = nullptr;
};
