#pragma once

#include "BatchProgress.h"

#include <cstddef>
#include <iosfwd>
#include <string>

// The progress dialog of the command line: one line per file, or on a
// terminal one line redrawn with a bar and the engine's percentage.
class CConsoleBatchProgress : public IBatchProgress
{
public:
    explicit CConsoleBatchProgress(std::ostream& err);
    ~CConsoleBatchProgress() override;
    CConsoleBatchProgress(const CConsoleBatchProgress&) = delete;
    CConsoleBatchProgress& operator=(const CConsoleBatchProgress&) = delete;

    void SetStatus(const std::string& text) override;
    bool IsCancelled() const override { return false; }
    void OnProgress(int percent) override;

    // The number of files that will be formatted, for "[n/total]".
    void SetTotal(std::size_t total) { m_total = total; }

private:
    void Draw(int percent);

    std::ostream& m_err;
    std::size_t m_total = 0;
    bool m_bar;
    bool m_drawn = false;
    std::size_t m_done = 0;
    std::string m_file;
};
