#include "SystemErrorText.h"

#include <cerrno>
#include <cstring>

std::string LastFileErrorText()
{
    return std::strerror(errno);
}
