#pragma once

#include "CliCommand.h"

#include <string>

// --jobs N of format and batch: how many files are formatted at once. What
// they report comes in the same order whatever the number.
class CJobCount
{
public:
    static constexpr const char* kOption = "--jobs";
    static constexpr unsigned kMost = 256;

    static CliOption Option() { return {kOption, CliValue::Single}; }

    // Takes the value of --jobs; false, with the reason, unless it is a
    // whole number from 1 to kMost.
    bool Take(const std::string& value, std::string& error);

    // The number given, or else one job per processor.
    unsigned Count() const;

private:
    unsigned m_count = 0; // 0: not given
};
