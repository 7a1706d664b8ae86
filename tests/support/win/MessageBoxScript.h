#pragma once

#include "MessageBoxSeam.h"

#include <functional>
#include <string>
#include <vector>

struct ShownBox
{
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// Scripts the message boxes of every module the test program reaches, for
// one scope: each box is recorded and answered with the given button.
// Outside any script a box fails the running test, so no real box ever
// appears and none is answered unseen.
class MessageBoxScript
{
public:
    explicit MessageBoxScript(int answer = IDOK);
    ~MessageBoxScript();
    MessageBoxScript(const MessageBoxScript&) = delete;
    MessageBoxScript& operator=(const MessageBoxScript&) = delete;

    // The texts of the boxes shown, in order.
    std::vector<std::string> Texts() const;

    std::vector<ShownBox> shown;
    // Runs inside each box, before it is answered.
    std::function<void()> whileShown;

private:
    static int Record(HWND owner, const std::string& text, const std::string& caption, UINT type);

    int m_answer;
    MessageBoxScript* m_outer;
    std::vector<MessageBoxHandler> m_previous;
};

// A module's message-box seam, as the function that replaces its handler.
// The program's own seam is always scripted; a test that loads the test
// build of another module adds that module's with a static object of this type.
using MessageBoxSeamSetter = MessageBoxHandler (*)(MessageBoxHandler);
struct ScriptedSeam
{
    explicit ScriptedSeam(MessageBoxSeamSetter setter);
};
