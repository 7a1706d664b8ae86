#include "FormatRun.h"

#include "FileUtil.h"
#include "LineEndStyle.h"
#include "TextLines.h"
#include "UnifiedDiff.h"

#include <istream>
#include <ostream>

#ifdef _WIN32
#include <windows.h>
#else
#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#endif

namespace
{

const char* const kStdinName = "<stdin>";

// The path under which a file named on the command line is rewritten: a
// symbolic link is followed, since the new file would otherwise replace the
// link and leave its target with the old text; on Windows the path is made
// full, since Wine's ReplaceFile refuses a bare name in the current folder.
// Names stay in the system's own narrow encoding (the ANSI code page on
// Windows) throughout. Returns the path unchanged when it cannot be resolved.
std::string RewriteTarget(const std::string& path)
{
#ifdef _WIN32
    char buffer[MAX_PATH];
    const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    return length > 0 && length < sizeof buffer ? std::string(buffer, length) : path;
#else
    struct stat info
    {
    };
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return path;
    const std::unique_ptr<char, decltype(&std::free)> target(realpath(path.c_str(), nullptr), &std::free);
    return target ? std::string(target.get()) : path;
#endif
}

// The result in the text's own line-end style, as --in-place would write it.
std::string InOwnLineEnds(const std::string& text, const std::string& result)
{
    return FirstLineEndsInCrLf(text) ? ToCrLfLineEnds(result) : result;
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
        FormatStdin();
    for (const std::string& file : files)
        FormatFile(file);
    if (m_failed)
        return kExitFailure;
    return m_changed ? kExitChanges : kExitOk;
}

void CFormatRun::FailFile(const std::string& name, const std::string& cause)
{
    Fail(m_io.err, name + ": " + cause);
    m_failed = true;
}

bool CFormatRun::OptionsFor(const std::string& name, const FormatOptions*& options)
{
    std::string settingsName;
    std::string error;
    if (!m_settings.OptionsFor(name == kStdinName ? std::string() : name, options, settingsName, error))
    {
        FailFile(name, error);
        return false;
    }
    if (m_request.verbose)
        m_io.err << kCliName << ": " << name << ": settings from " << settingsName << "\n";
    return true;
}

void CFormatRun::FormatStdin()
{
    const FormatOptions* options = nullptr;
    if (!OptionsFor(kStdinName, options))
        return;
    // In large blocks straight into the text, not through a growing string
    // stream that is copied at the end.
    std::string text;
    constexpr std::size_t Block = 1 << 20;
    for (std::size_t done = 0; m_io.in; text.resize(done))
    {
        text.resize(done + Block);
        m_io.in.read(&text[done], Block);
        done += static_cast<std::size_t>(m_io.in.gcount());
    }
    std::string result;
    std::string cause;
    if (!FormatSourceText(text, *options, result, cause))
    {
        FailFile(kStdinName, cause);
        return;
    }
    if (m_request.mode == FormatRequest::Mode::Print)
        m_io.out << result;
    else
        Report(kStdinName, text, result);
}

void CFormatRun::FormatFile(const std::string& name)
{
    const std::string path = NativePath(name);
    std::string text;
    std::string cause;
    if (!ReadWholeFile(path, text, cause))
    {
        FailFile(name, cause == "is a directory" ? cause : "cannot open: " + cause);
        return;
    }
    const FormatOptions* options = nullptr;
    if (!OptionsFor(name, options))
        return;
    std::string result;
    if (!FormatSourceText(text, *options, result, cause))
    {
        FailFile(name, cause);
        return;
    }
    switch (m_request.mode)
    {
    case FormatRequest::Mode::Print:
        m_io.out << result;
        break;
    case FormatRequest::Mode::Check:
    case FormatRequest::Mode::Diff:
        Report(name, text, result);
        break;
    case FormatRequest::Mode::InPlace:
        Rewrite(name, path, text, result);
        break;
    }
}

// Compared in the text's own line-end style, as --in-place would write it.
void CFormatRun::Report(const std::string& name, const std::string& text, const std::string& result)
{
    const std::string bytes = InOwnLineEnds(text, result);
    if (bytes == text)
        return;
    m_changed = true;
    if (m_request.mode == FormatRequest::Mode::Diff)
        m_io.out << CLineDiff(text, bytes).Unified(name);
    else
        m_io.out << name << ":" << FirstChangedLine(text, bytes) << ": would reformat\n";
}

void CFormatRun::Rewrite(const std::string& name, const std::string& path, const std::string& text,
                         const std::string& result)
{
    const std::string bytes = InOwnLineEnds(text, result);
    if (bytes == text)
        return;
    std::string cause;
    if (!ReplaceFileContents(RewriteTarget(path), bytes, cause))
        FailFile(name, WriteFailureCause(cause));
}
