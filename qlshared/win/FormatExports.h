#pragma once

#include "FormatOptions.h"

#include <functional>
#include <string>

// For code inside QLShared only (the options sheet's preview): formats under
// the stored options as previewOptions turns them, with the guard and
// messages of SpecialFormatText. The store is read, never written.
using PreviewOptionsRule = std::function<FormatOptions(const FormatOptions& stored)>;
std::string FormatPreviewText(const std::string& text, const PreviewOptionsRule& previewOptions);
