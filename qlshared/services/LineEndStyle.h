#pragma once

#include <string>

// A file keeps the line-end style of its first line when it is rewritten.

// True when the first line of text ends in CR LF.
bool FirstLineEndsInCrLf(const std::string& text);

// The text with every LF turned into CR LF.
std::string ToCrLfLineEnds(const std::string& text);
