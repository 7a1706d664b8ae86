// NativeFromUtf8 where file names are UTF-8 already.

#include "NativeText.h"

std::string NativeFromUtf8(const std::string& utf8)
{
    return utf8;
}
