#include "CliCommand.h"
#include "CliFormatSettings.h"
#include "FileUtil.h"
#include "FormatHelp.h"
#include "FormatRequest.h"
#include "LineEndStyle.h"
#include "RewriteTarget.h"
#include "SourceTextFormatter.h"

#include <istream>
#include <ostream>
#include <sstream>

namespace
{

const char* const kStdinName = "<stdin>";

// One format run over stdin or a list of files; remembers the exit status.
class CFormatRun
{
public:
    CFormatRun(const FormatRequest& request, const FormatOptions& options, CliStreams& io)
        : m_request(request), m_options(options), m_io(io)
    {
    }

    int Run()
    {
        if (m_request.files.empty())
            FormatStdin();
        for (const std::string& file : m_request.files)
            FormatFile(file);
        if (m_failed)
            return kExitFailure;
        return m_changed ? kExitChanges : kExitOk;
    }

private:
    void Fail(const std::string& name, const std::string& cause)
    {
        m_io.err << kCliName << ": " << name << ": " << cause << "\n";
        m_failed = true;
    }

    void FormatStdin()
    {
        std::ostringstream buffer;
        buffer << m_io.in.rdbuf();
        const std::string text = buffer.str();
        std::string result;
        std::string cause;
        if (!FormatSourceText(text, m_options, result, cause))
        {
            Fail(kStdinName, cause);
            return;
        }
        if (m_request.mode == FormatRequest::Mode::Check)
            ReportIfChanged(kStdinName, text, result);
        else
            m_io.out << result;
    }

    void FormatFile(const std::string& name)
    {
        const std::string path = NativePath(name);
        std::string text;
        std::string cause;
        if (!ReadWholeFile(path, text, cause))
        {
            Fail(name, cause == "is a directory" ? cause : "cannot open: " + cause);
            return;
        }
        std::string result;
        if (!FormatSourceText(text, m_options, result, cause))
        {
            Fail(name, cause);
            return;
        }
        switch (m_request.mode)
        {
        case FormatRequest::Mode::Print:
            m_io.out << result;
            break;
        case FormatRequest::Mode::Check:
            ReportIfChanged(name, text, result);
            break;
        case FormatRequest::Mode::InPlace:
            Rewrite(name, path, text, result);
            break;
        }
    }

    // Compared in the text's own line-end style, as --in-place would write it.
    void ReportIfChanged(const std::string& name, const std::string& text, const std::string& result)
    {
        if (InOwnLineEnds(text, result) != text)
        {
            m_io.out << name << "\n";
            m_changed = true;
        }
    }

    void Rewrite(const std::string& name, const std::string& path, const std::string& text,
                 const std::string& result)
    {
        const std::string bytes = InOwnLineEnds(text, result);
        if (bytes == text)
            return;
        std::string cause;
        if (!ReplaceFileContents(RewriteTarget(path), bytes, cause))
            Fail(name, WriteFailureCause(cause));
    }

    static std::string InOwnLineEnds(const std::string& text, const std::string& result)
    {
        return FirstLineEndsInCrLf(text) ? ToCrLfLineEnds(result) : result;
    }

    static std::string WriteFailureCause(const std::string& cause)
    {
        if (cause == "is read-only")
            return "cannot be written: read-only";
        if (cause.compare(0, 6, "cannot") == 0)
            return cause;
        return "cannot be written: " + cause;
    }

    const FormatRequest& m_request;
    const FormatOptions& m_options;
    CliStreams& m_io;
    bool m_failed = false;
    bool m_changed = false;
};

} // namespace

int RunFormatCommand(const std::vector<std::string>& args, CliStreams& io)
{
    FormatRequest request;
    std::string error;
    if (!ParseFormatRequest(args, request, error))
    {
        io.err << kCliName << ": format: " << error << "\n"
               << "Try '" << kCliName << " format --help'.\n";
        return kExitFailure;
    }
    if (request.help)
    {
        WriteFormatHelp(io.out);
        return kExitOk;
    }
    FormatOptions options;
    if (!LoadRequestedFormatOptions(request, options, error))
    {
        io.err << kCliName << ": " << error << "\n";
        return kExitFailure;
    }
    CFormatRun run(request, options, io);
    return run.Run();
}
