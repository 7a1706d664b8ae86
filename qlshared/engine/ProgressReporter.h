#pragma once

#include "ProgressSink.h"

#include <cstddef>

// Tells the sink, if there is one, each new whole percentage of the lines the
// walk has begun: the values strictly increase, 0 is never sent and the last
// is below 100, so a walk sends at most 99 of them.
class CProgressReporter
{
public:
    explicit CProgressReporter(IProgressSink* sink) : m_sink(sink) {}

    // At the start of the line at lineIndex, of lineCount lines now.
    void Report(std::size_t lineIndex, std::size_t lineCount)
    {
        if (!m_sink || lineCount == 0)
            return;
        // 64-bit product: a text may have more than 21 million lines.
        const int percent = static_cast<int>(static_cast<unsigned long long>(lineIndex) * 100u / lineCount);
        if (percent > m_lastPercent)
        {
            m_sink->OnProgress(percent);
            m_lastPercent = percent;
        }
    }

private:
    IProgressSink* const m_sink;
    int m_lastPercent = 0;
};
