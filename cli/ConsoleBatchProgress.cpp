#include "ConsoleBatchProgress.h"

#include "CliCommand.h"

#include <cstdio>
#include <iostream>
#include <ostream>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace
{

// Only the real stderr can be a terminal; a test's stream never is.
bool IsTerminal(const std::ostream& stream)
{
    if (&stream != &std::cerr)
        return false;
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

} // namespace

CConsoleBatchProgress::CConsoleBatchProgress(std::ostream& err) : m_err(err), m_bar(IsTerminal(err)) {}

CConsoleBatchProgress::~CConsoleBatchProgress()
{
    if (m_bar && m_drawn)
        m_err << "\n";
}

void CConsoleBatchProgress::SetStatus(const std::string& text)
{
    if (text.compare(0, 17, "Formatting file: ") != 0)
        return;
    ++m_done;
    m_file = text.substr(17);
    if (m_bar)
        Draw(0);
    else
        m_err << kCliName << ": [" << m_done << "/" << m_total << "] " << text << "\n";
}

void CConsoleBatchProgress::OnProgress(int percent)
{
    if (m_bar)
        Draw(percent);
}

void CConsoleBatchProgress::Draw(int percent)
{
    const int width = 30;
    const std::size_t filled = m_total == 0 ? 0 : (width * (m_done - 1) + width * percent / 100) / m_total;
    char counts[64];
    std::snprintf(counts, sizeof counts, "] %zu/%zu ", m_done, m_total);
    m_err << "\r[" << std::string(filled, '#') << std::string(width - filled, '.') << counts
          << m_file.substr(0, 40) << "\x1b[K" << std::flush;
    m_drawn = true;
}
