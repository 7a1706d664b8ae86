#pragma once

#include "BatchFormatter.h"
#include "MessageSink.h"

#include <cstddef>
#include <string>
#include <vector>

// The files a batch run skipped because it could not read them or would not
// format them (a NUL byte, the engine's failure), each with its cause, and
// the one message that names them at the end of the run. A file that could
// not be written is not among them: the run asked about it at once.
class CSkippedFiles
{
public:
    // Names the message lists before it counts the rest.
    static constexpr std::size_t NamedAtMost = 12;

    explicit CSkippedFiles(const BatchReport& report);

    static bool IsSkipped(const BatchFileResult& file);

    std::size_t Count() const { return m_lines.size(); }
    // "name: cause" lines, up to NamedAtMost, then "and N more"; empty
    // when nothing was skipped.
    std::string Message() const;
    // Shows the message, when there is one, as a warning.
    void Report(IMessageSink& messages, const std::string& caption) const;

private:
    std::vector<std::string> m_lines; // "name: cause", in the run's order
};
