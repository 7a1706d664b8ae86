#pragma once

#include <string>

// The portable code asks its questions and reports its failures through this
// interface. On Windows it ends in the module's message-box seam (the
// framework's MessageBoxSeam.h), which tests replace; the command line prints
// instead.
enum class MessageStyle
{
    Ok,            // OK button only
    OkStop,        // OK button, stop icon
    OkInformation, // OK button, information icon
    OkWarning,     // OK button, exclamation icon
    YesNoQuestion  // Yes and No buttons, question icon
};

enum class MessageAnswer
{
    Ok,
    Yes,
    No
};

class IMessageSink
{
public:
    virtual ~IMessageSink() = default;
    virtual MessageAnswer Show(const std::string& text, const std::string& caption, MessageStyle style) = 0;
};
