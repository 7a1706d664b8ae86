// Records and answers the message boxes of the test program and of the test
// builds it loads; fails the running test on any other box.
#include "MessageBoxScript.h"

#include <gtest/gtest.h>

namespace
{

MessageBoxScript* innermost = nullptr;

std::vector<MessageBoxSeamSetter>& Seams()
{
    static std::vector<MessageBoxSeamSetter> seams{&SetMessageBoxHandler};
    return seams;
}

int UnexpectedBox(HWND, const std::string& text, const std::string& caption, UINT)
{
    ADD_FAILURE() << "unscripted message box \"" << caption << "\": " << text;
    return IDCANCEL;
}

class NoRealBoxes : public ::testing::Environment
{
    void SetUp() override
    {
        for (MessageBoxSeamSetter seam : Seams())
            seam(&UnexpectedBox);
    }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new NoRealBoxes);

} // namespace

ScriptedSeam::ScriptedSeam(MessageBoxSeamSetter setter)
{
    Seams().push_back(setter);
}

MessageBoxScript::MessageBoxScript(int answer) : m_answer(answer), m_outer(innermost)
{
    for (MessageBoxSeamSetter seam : Seams())
        m_previous.push_back(seam(&MessageBoxScript::Record));
    innermost = this;
}

MessageBoxScript::~MessageBoxScript()
{
    innermost = m_outer;
    for (std::size_t i = 0; i < m_previous.size(); ++i)
        Seams()[i](m_previous[i]);
}

std::vector<std::string> MessageBoxScript::Texts() const
{
    std::vector<std::string> texts;
    for (const ShownBox& box : shown)
        texts.push_back(box.text);
    return texts;
}

int MessageBoxScript::Record(HWND owner, const std::string& text, const std::string& caption, UINT type)
{
    MessageBoxScript& script = *innermost;
    script.shown.push_back({owner, text, caption, type});
    if (script.whileShown)
        script.whileShown();
    return script.m_answer;
}
