// One format run: each input read and formatted, then reported in order: printed, rewritten, checked or diffed.
#include "FormatRun.h"

#include "FileUtil.h"
#include "LargeBuffer.h"
#include "LineEndStyle.h"
#include "OrderedJobs.h"
#include "TextLines.h"
#include "UnifiedDiff.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace
{

const char* const kStdinName = "<stdin>";

// The path under which a file named on the command line is rewritten. On
// Windows it is made full, since Wine's ReplaceFile refuses a bare name in
// the current folder, in the system's own narrow encoding (the ANSI code
// page); unchanged when it cannot be resolved. Elsewhere the rewrite follows
// a symbolic link itself.
std::string RewriteTarget(const std::string& path)
{
#ifdef _WIN32
    char buffer[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
#else
    return path;
#endif
}

// The result in the text's own line-end style, as --in-place would write it.
std::string InOwnLineEnds(const std::string& text, const std::string& result)
{
    return FirstLineEndsInCrLf(text) ? ToCrLfLineEnds(result) : result;
}

// Reads a stream to its end in large blocks. A file redirected to standard
// input says how much it holds, so it is read into room made once; from a
// pipe the blocks are gathered and joined once, since a text that grew as it
// was read would be copied into ever larger fresh memory.
std::string ReadToEnd(std::istream& in)
{
    constexpr std::streamsize Block = 2 << 20;
    const std::streamsize waiting = in.rdbuf()->in_avail();
    std::vector<std::string> blocks;
    std::size_t total = 0;
    for (std::streamsize size = std::max(Block, waiting + 1); in; size = Block)
    {
        std::string block;
        ReserveLarge(block, static_cast<std::size_t>(size));
        block.resize(block.capacity());
        in.read(&block[0], static_cast<std::streamsize>(block.size()));
        block.resize(static_cast<std::size_t>(in.gcount()));
        total += block.size();
        blocks.push_back(std::move(block));
    }
    if (blocks.size() == 1)
        return std::move(blocks.front());
    std::string text;
    ReserveLarge(text, total);
    for (std::string& block : blocks)
    {
        text += block;
        std::string().swap(block);
    }
    return text;
}

} // namespace

CFormatRun::CFormatRun(const FormatRequest& request, CliStreams& io)
    : m_request(request), m_io(io), m_settings(request.source, io.err)
{
}

int CFormatRun::Run(const std::vector<std::string>& files, bool failed)
{
    m_failed = failed;
    if (files.empty() && !failed)
        Deliver(FormatStdin());
    RunOrderedJobs<Outcome>(
        files.size(), m_request.jobs.Count(), [&](std::size_t index) { return FormatFile(files[index]); },
        [&](std::size_t, Outcome& outcome)
        {
            Deliver(outcome);
            return true;
        });
    if (m_failed)
        return kExitFailure;
    return m_changed ? kExitChanges : kExitOk;
}

void CFormatRun::FailFile(Outcome& outcome, const std::string& name, const std::string& cause)
{
    outcome.errors += std::string(kCliName) + ": " + name + ": " + cause + "\n";
    outcome.failed = true;
}

void CFormatRun::Deliver(const Outcome& outcome)
{
    // Writing to standard error first flushes standard output, which is
    // tied to it: nothing is written there for a file without a message.
    if (!outcome.errors.empty())
        m_io.err << outcome.errors;
    m_io.out << outcome.output;
    m_failed = m_failed || outcome.failed;
    m_changed = m_changed || outcome.changed;
}

bool CFormatRun::OptionsFor(const std::string& name, const FormatOptions*& options, Outcome& outcome)
{
    std::string settingsName;
    std::string error;
    const std::lock_guard<std::mutex> lock(m_settingsLock);
    if (!m_settings.OptionsFor(name == kStdinName ? std::string() : name, options, settingsName, error))
    {
        FailFile(outcome, name, error);
        return false;
    }
    if (m_request.verbose)
        outcome.errors += std::string(kCliName) + ": " + name + ": settings from " + settingsName + "\n";
    return true;
}

CFormatRun::Outcome CFormatRun::FormatStdin()
{
    Outcome outcome;
    const FormatOptions* options = nullptr;
    if (!OptionsFor(kStdinName, options, outcome))
        return outcome;
    const std::string text = ReadToEnd(m_io.in);
    std::string result;
    std::string cause;
    if (!FormatSourceText(text, *options, result, cause))
        FailFile(outcome, kStdinName, cause);
    else if (m_request.mode == FormatRequest::Mode::Print)
        outcome.output = std::move(result);
    else
        Report(outcome, kStdinName, text, result);
    return outcome;
}

CFormatRun::Outcome CFormatRun::FormatFile(const std::string& name)
{
    Outcome outcome;
    const std::string path = NativePath(name);
    std::string text;
    std::string cause;
    if (!ReadWholeFile(path, text, cause))
    {
        FailFile(outcome, name, cause == "is a directory" ? cause : "cannot open: " + cause);
        return outcome;
    }
    const FormatOptions* options = nullptr;
    if (!OptionsFor(name, options, outcome))
        return outcome;
    std::string result;
    if (!FormatSourceText(text, *options, result, cause))
    {
        FailFile(outcome, name, cause);
        return outcome;
    }
    if (m_request.mode == FormatRequest::Mode::Print)
    {
        outcome.output = std::move(result);
        return outcome;
    }
    if (m_request.mode != FormatRequest::Mode::InPlace)
    {
        Report(outcome, name, text, result);
        return outcome;
    }
    const std::string bytes = InOwnLineEnds(text, result);
    if (bytes != text && !ReplaceFileContents(RewriteTarget(path), bytes, cause))
        FailFile(outcome, name, WriteFailureCause(cause));
    return outcome;
}

// Compared in the text's own line-end style, as --in-place would write it.
void CFormatRun::Report(Outcome& outcome, const std::string& name, const std::string& text,
                        const std::string& result) const
{
    const std::string bytes = InOwnLineEnds(text, result);
    if (bytes == text)
        return;
    outcome.changed = true;
    if (m_request.mode == FormatRequest::Mode::Diff)
        outcome.output = CLineDiff(text, bytes).Unified(name);
    else
        outcome.output = name + ":" + std::to_string(FirstChangedLine(text, bytes)) + ": would reformat\n";
}
