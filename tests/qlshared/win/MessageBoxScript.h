#pragma once

#include "LibrarySeams.h"

#include <deque>
#include <string>
#include <vector>

struct ShownBox
{
    HWND owner;
    std::string text;
    std::string caption;
    UINT type;
};

// Scripts the message-box seams of this program and of the library for one
// scope: each box is recorded and answered from the queue of answers, then
// with the given button. Outside any script a box fails the running test, so
// no real box ever appears.
class MessageBoxScript
{
public:
    explicit MessageBoxScript(int answer = IDOK);
    ~MessageBoxScript();

    std::vector<ShownBox> shown;
    std::deque<int> answers;

private:
    static int Record(HWND owner, const std::string& text, const std::string& caption, UINT type);

    int m_answer;
    MessageBoxScript* m_outer;
    MessageBoxHandler m_previous;
    MessageBoxHandler m_previousInLibrary;
};
