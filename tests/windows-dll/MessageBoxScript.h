#pragma once

#include "MessageBoxSeam.h"

#include <string>
#include <vector>

// What a scripted message box was shown with.
struct ShownBox
{
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// Scripts the message-box seam for the length of a scope: every box is
// recorded and answered with the given button. Outside any script the test
// program's handler fails the running test, so no real box ever appears.
class MessageBoxScript
{
public:
    explicit MessageBoxScript(int answer = IDOK);
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    const std::vector<ShownBox>& Shown() const { return m_shown; }

private:
    static int Record(HWND owner, const std::string& text, const std::string& caption, UINT type);

    int m_answer;
    std::vector<ShownBox> m_shown;
    MessageBoxScript* m_outer;
    MessageBoxHandler m_previous;
};
