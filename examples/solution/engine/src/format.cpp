/* Formatting a count for people:
   "1 word", "2 words". */
#include "../include/engine.h"

#include <string>

namespace engine
{
std::string Describe(int words)
{
  if (words == 1)
      return "1 word";
  return std::to_string(words) + " words";   
}
}
