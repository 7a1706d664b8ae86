#pragma once

#include "ProgressSink.h"

#include <string>

// What a batch run needs of its progress dialog: the status line, the cancel
// flag, and the engine's percentages (IProgressSink), which the format step
// hands on to the engine.
class IBatchProgress : public IProgressSink
{
public:
    virtual void SetStatus(const std::string& text) = 0;
    virtual bool IsCancelled() const = 0;
};
