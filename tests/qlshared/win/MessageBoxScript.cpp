// Records and answers the message boxes of this program and of the library.
#include "MessageBoxScript.h"

#include <gtest/gtest.h>

namespace
{

MessageBoxScript* innermost = nullptr;

int UnexpectedBox(HWND, const std::string& text, const std::string& caption, UINT)
{
    ADD_FAILURE() << "unscripted message box \"" << caption << "\": " << text;
    return IDCANCEL;
}

class NoRealBoxes : public ::testing::Environment
{
    void SetUp() override
    {
        SetMessageBoxHandler(&UnexpectedBox);
        SetLibraryMessageBoxHandler(&UnexpectedBox);
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new NoRealBoxes);

} // namespace

MessageBoxScript::MessageBoxScript(int answer)
    : m_answer(answer), m_outer(innermost), m_previous(SetMessageBoxHandler(&MessageBoxScript::Record)),
      m_previousInLibrary(SetLibraryMessageBoxHandler(&MessageBoxScript::Record))
{
    innermost = this;
}

MessageBoxScript::~MessageBoxScript()
{
    innermost = m_outer;
    SetMessageBoxHandler(m_previous);
    SetLibraryMessageBoxHandler(m_previousInLibrary);
}

int MessageBoxScript::Record(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    innermost->shown.push_back({owner, text, caption, type});
    std::deque<int>& answers = innermost->answers;
    if (answers.empty())
        return innermost->m_answer;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}
