// The engine's interface: a word counter over a text.
#ifndef ENGINE_H
#define ENGINE_H

#include <string>

namespace engine
{
// Counts the words of text: runs of letters and digits.
int CountWords(const std::string& text);

// The library's version, made by the build.
const char* Version();
}

#endif
