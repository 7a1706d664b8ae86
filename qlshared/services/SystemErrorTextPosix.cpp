// A failed file call's cause as strerror words it, where there is no Win32.
#include "SystemErrorText.h"

#include <cerrno>
#include <cstring>

std::string LastFileErrorText()
{
    return std::strerror(errno);
}
