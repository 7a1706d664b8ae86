#pragma once

#include <string>

// Turns a product version string such as "1, 0, 2, 1" into the short text
// "1.02": the first number, a point, then the second and third written one
// after the other. Commas and white space both separate. A string that does
// not start with three numbers gives the empty text.
std::string ShortVersionText(const std::string& productVersion);
