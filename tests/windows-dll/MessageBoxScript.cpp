#include "MessageBoxScript.h"

#include <gtest/gtest.h>

namespace
{

// The innermost script in force.
MessageBoxScript* current = nullptr;

int UnexpectedBox(HWND, const std::string& text, const std::string& caption, UINT)
{
    ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
    return IDCANCEL;
}

// Installed before the first test: a box nobody scripted is a failure.
class NoRealBoxes : public ::testing::Environment
{
public:
    void SetUp() override { SetMessageBoxHandler(&UnexpectedBox); }
    void TearDown() override { SetMessageBoxHandler(nullptr); }
};

const ::testing::Environment* const environment = ::testing::AddGlobalTestEnvironment(new NoRealBoxes);

} // namespace

MessageBoxScript::MessageBoxScript(int answer)
    : m_answer(answer), m_outer(current), m_previous(SetMessageBoxHandler(&MessageBoxScript::Record))
{
    current = this;
}

MessageBoxScript::~MessageBoxScript()
{
    current = m_outer;
    SetMessageBoxHandler(m_previous);
}

int MessageBoxScript::Record(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    current->m_shown.push_back({owner, text, caption, type});
    return current->m_answer;
}
