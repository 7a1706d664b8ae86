// Word counting.
#include "../include/engine.h"

#include <cctype>

namespace engine
{
int CountWords(const std::string& text)
{
int words=0;
bool inWord=false;
for (char c : text)
{
    const bool letter = std::isalnum(static_cast<unsigned char>(c)) != 0;
    if (letter && !inWord)
        ++words;
    inWord = letter;
}
return words;
}
}
