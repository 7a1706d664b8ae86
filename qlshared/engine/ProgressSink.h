#pragma once

// Where the formatting pass reports its progress. The Windows layer sends the
// percentage to the progress dialog's window; the command line may draw a bar.
class IProgressSink
{
public:
    virtual ~IProgressSink() = default;
    // Called synchronously with a whole percentage, 1..99, strictly increasing
    // within one pass.
    virtual void OnProgress(int percent) = 0;
};
