// quillet-cli's entry point: wires standard input and output to the commands,
// which live in ql_cli so that the tests run them in-process.

#include "QuilletCli.h"

#include <iostream>
#include <streambuf>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

namespace
{

// Standard error a whole line at a time: one write for each message instead
// of one for each piece of it (a batch's progress lines were eight), and the
// lines of runs sharing a terminal do not mix. An explicit flush, as the
// progress bar ends its redrawn line with, writes what is held at once.
class CLineAtATime : public std::streambuf
{
public:
    explicit CLineAtATime(std::ostream& stream) : m_stream(stream), m_target(stream.rdbuf())
    {
        m_stream.rdbuf(this);
        m_stream.unsetf(std::ios::unitbuf);
    }

    ~CLineAtATime() override
    {
        sync();
        m_stream.rdbuf(m_target);
        m_stream.setf(std::ios::unitbuf);
    }

    CLineAtATime(const CLineAtATime&) = delete;
    CLineAtATime& operator=(const CLineAtATime&) = delete;

protected:
    int_type overflow(int_type c) override
    {
        if (traits_type::eq_int_type(c, traits_type::eof()))
            return traits_type::not_eof(c);
        const char byte = traits_type::to_char_type(c);
        return xsputn(&byte, 1) == 1 ? c : traits_type::eof();
    }

    std::streamsize xsputn(const char* bytes, std::streamsize count) override
    {
        m_held.append(bytes, static_cast<std::size_t>(count));
        const std::size_t lineEnd = m_held.rfind('\n');
        if (lineEnd != std::string::npos && !Write(lineEnd + 1))
            return 0;
        return count;
    }

    int sync() override { return Write(m_held.size()) ? 0 : -1; }

private:
    // Writes the first length bytes held and drops them.
    bool Write(std::size_t length)
    {
        if (length == 0)
            return true;
        const auto size = static_cast<std::streamsize>(length);
        const bool written = m_target->sputn(m_held.data(), size) == size && m_target->pubsync() == 0;
        m_held.erase(0, length);
        return written;
    }

    std::ostream& m_stream;
    std::streambuf* const m_target;
    std::string m_held;
};

} // namespace

int main(int argc, char* argv[])
{
#ifdef _WIN32
    // Text mode would turn LF into CR LF on the way out and drop CRs and
    // stop at Ctrl-Z on the way in; the bytes must match the Linux tool's.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    // Unsynchronised streams move standard input and output in large blocks
    // instead of byte by byte through C stdio.
    std::ios::sync_with_stdio(false);
    const CLineAtATime errorLines(std::cerr);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunQuilletCli(args, std::cin, std::cout, std::cerr);
    std::cout.flush();
    if (!std::cout)
    {
        std::cerr << "quillet-cli: cannot write to standard output\n";
        return 2;
    }
    return status;
}
