#pragma once

#include "FormatOptions.h"

#include <string>

class IProgressSink;

// Runs the formatting engine over one whole text for the command line.
// Fails, with the cause, when the text cannot be formatted safely: the engine
// reads only up to a NUL byte, so a text holding one would come back cut.
// An empty text is fine and gives an empty result. The engine reports its
// percentage to progress when one is given.
bool FormatSourceText(const std::string& text, const FormatOptions& options, std::string& result,
                      std::string& cause, IProgressSink* progress = nullptr);

// The engine run alone, for the batch, which refuses a text holding a NUL
// byte before it formats.
bool FormatNulFreeText(const std::string& text, const FormatOptions& options, std::string& result,
                       std::string& cause, IProgressSink* progress = nullptr);
