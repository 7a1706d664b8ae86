// wordcount: counts the words of standard input.
#include "../../engine/include/engine.h"

#include <iostream>
#include <iterator>
#include <string>

int main()
{
    const std::string text((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    std::cout << engine::CountWords(text) << "\n";   // one number
    return 0;
}
