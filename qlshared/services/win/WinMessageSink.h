#pragma once

#include "MessageBoxSeam.h"
#include "MessageSink.h"

// Shows the portable code's messages through the framework's message-box
// seam. Inline, so every module can make one; its boxes pass the seam of the
// module that shows them.
class CWinMessageSink : public IMessageSink
{
public:
    explicit CWinMessageSink(HWND owner = nullptr) : m_owner(owner) {}

    MessageAnswer Show(const std::string& text, const std::string& caption, MessageStyle style) override
    {
        switch (ShowMessageBox(m_owner, text, caption, TypeOf(style)))
        {
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Ok;
        }
    }

    static UINT TypeOf(MessageStyle style)
    {
        switch (style)
        {
        case MessageStyle::OkStop:
            return MB_OK | MB_ICONSTOP;
        case MessageStyle::OkInformation:
            return MB_OK | MB_ICONINFORMATION;
        case MessageStyle::OkWarning:
            return MB_OK | MB_ICONEXCLAMATION;
        case MessageStyle::YesNoQuestion:
            return MB_YESNO | MB_ICONQUESTION;
        case MessageStyle::Ok:
            break;
        }
        return MB_OK;
    }

private:
    HWND m_owner;
};
