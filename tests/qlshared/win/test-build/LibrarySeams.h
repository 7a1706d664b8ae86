#pragma once

// Test-only exports of the test build of QLShared.dll: they reach the seams
// inside the library, which the shipped library does not export.

#include "MessageBoxSeam.h"
#include "SettingsStoreFactory.h"

#ifdef QLSHARED_TEST_BUILD
#define QLSHARED_TEST_API __attribute__((dllexport))
#else
#define QLSHARED_TEST_API __attribute__((dllimport))
#endif

// The library's own message-box seam; each module has one.
QLSHARED_TEST_API MessageBoxHandler SetLibraryMessageBoxHandler(MessageBoxHandler handler);

// Where the library gets its settings store; null restores the registry.
QLSHARED_TEST_API SettingsStoreFactory SetLibrarySettingsStoreFactory(SettingsStoreFactory factory);
