#pragma once

#include "ProgressSink.h"

#include <string>

// What a batch run needs of its progress dialog: the status line, word of
// each file it starts on, the cancel flag, and the engine's percentages
// (IProgressSink), which the format step hands on to the engine.
class IBatchProgress : public IProgressSink
{
public:
    virtual void SetStatus(const std::string& text) = 0;
    // The file the list names itemText is read and about to be formatted.
    virtual void FileStarted(const std::string& itemText) = 0;
    virtual bool IsCancelled() const = 0;
};

// How a status line tells which file is being formatted.
inline std::string FormattingFileStatus(const std::string& itemText)
{
    return "Formatting file: " + itemText;
}
