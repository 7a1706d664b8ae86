// The --jobs value: a checked whole number, or else one job per processor.
#include "JobCount.h"

#include <thread>

bool CJobCount::Take(const std::string& value, std::string& error)
{
    int count = 0;
    if (!ParseSmallDecimal(value, count) || count < 1 || static_cast<unsigned>(count) > kMost)
    {
        error = std::string("bad value in ") + kOption + " '" + value + "' (" + kOption + " takes 1 to " +
                std::to_string(kMost) + ")";
        return false;
    }
    m_count = static_cast<unsigned>(count);
    return true;
}

unsigned CJobCount::Count() const
{
    if (m_count > 0)
        return m_count;
    // hardware_concurrency may not know, and then says 0.
    const unsigned processors = std::thread::hardware_concurrency();
    return processors > 0 ? processors : 1;
}
