#pragma once

#include "FormatOptions.h"
#include "MessageSink.h"
#include "ProgressSink.h"

#include <functional>
#include <string>

// The result and failure contract of the formatting exports, free of any
// platform: the export supplies where the options come from, where progress
// goes and where messages go.
//
// An exception while the options are loaded or the formatter is built shows
// "Unexpected error in DLL entry point " and the export's number; a failed
// pass shows "Unexpected error in formatting process, text is unchanged.".
// Both are captioned "QLShared DLL" with an OK button, and the result is then
// empty. An empty text gives an empty result without any message.

// The numbers the messages carry, fixed per export.
constexpr int FormatTextEntryPoint = 1004;
constexpr int SpecialFormatTextEntryPoint = 1007;

constexpr const char* LibraryCaption = "QLShared DLL";

// Loads the thirteen options; may throw.
using FormatOptionsLoader = std::function<FormatOptions()>;

std::string GuardedFormatText(const std::string& text, const FormatOptionsLoader& loadOptions, IProgressSink* progress,
                              IMessageSink& messages);

std::string GuardedSpecialFormatText(const std::string& text, const FormatOptionsLoader& loadOptions,
                                     const SpecialFormatValues& values, IProgressSink* progress,
                                     IMessageSink& messages);

// Formats for the options sheet's preview under the options the loader
// gives; failures are reported under SpecialFormatText's number.
std::string GuardedPreviewFormat(const std::string& text, const FormatOptionsLoader& loadOptions,
                                 IProgressSink* progress, IMessageSink& messages);

// "Unexpected error in DLL entry point " followed by the number.
std::string EntryPointErrorText(int entryPoint);
