#pragma once

#include "FormatOptions.h"
#include "SettingsStore.h"

// The formatter's view of the store: opens the key (never creates it) and
// reads the thirteen options in their load order, each falling back to its
// stored default. A key that does not open gives every default.
FormatOptions LoadFormatOptions(ISettingsStore& store);

// Opens or creates the key and writes all thirteen options in their save
// order, each write on its own so one failure does not stop the rest. False
// when the key could be neither opened nor created (nothing is written then).
bool SaveFormatOptions(ISettingsStore& store, const FormatOptions& options);
