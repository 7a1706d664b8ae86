#pragma once

#include <iosfwd>

#include "MessageBoxSeam.h"

// On the command line no window may pop up: while an object of this class
// lives, every message box of the program (such as the registry store's
// "Error Opening Registry") becomes a line on the given stream instead, and a
// question is answered No.
class CConsoleMessageBoxes
{
public:
    explicit CConsoleMessageBoxes(std::ostream& stream);
    ~CConsoleMessageBoxes();
    CConsoleMessageBoxes(const CConsoleMessageBoxes&) = delete;
    CConsoleMessageBoxes& operator=(const CConsoleMessageBoxes&) = delete;

private:
    MessageBoxHandler m_previousHandler;
    std::ostream* m_previousStream;
};
