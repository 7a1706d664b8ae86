#include "ConsoleMessageBoxes.h"

#include "CliCommand.h"

#include <ostream>

namespace
{

std::ostream* messageStream = nullptr;

int WriteMessageBox(HWND, const std::string& text, const std::string&, UINT type)
{
    if (messageStream)
    {
        std::string line = text;
        for (char& c : line)
        {
            if (c == '\n' || c == '\r')
                c = ' ';
        }
        *messageStream << kCliName << ": " << line << "\n";
    }
    const UINT buttons = type & MB_TYPEMASK;
    return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDNO : IDOK;
}

} // namespace

CConsoleMessageBoxes::CConsoleMessageBoxes(std::ostream& stream) : m_previousStream(messageStream)
{
    messageStream = &stream;
    m_previousHandler = SetMessageBoxHandler(&WriteMessageBox);
}

CConsoleMessageBoxes::~CConsoleMessageBoxes()
{
    SetMessageBoxHandler(m_previousHandler);
    messageStream = m_previousStream;
}
