// The test build's extra exports that reach the library's seams.
#include "LibrarySeams.h"

MessageBoxHandler SetLibraryMessageBoxHandler(MessageBoxHandler handler)
{
    return SetMessageBoxHandler(handler);
}

SettingsStoreFactory SetLibrarySettingsStoreFactory(SettingsStoreFactory factory)
{
    return SetSettingsStoreFactory(factory);
}
