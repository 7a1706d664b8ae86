#pragma once

#include "SettingsStore.h"

#include <memory>

// Where QLShared's own code gets its settings store for one operation: the
// registry (CSettingsRegistry) unless a test build of the library has put
// another store in place. Nothing of this is exported from the shipped
// library.
//
// Exceptions cannot cross from one module into another (each carries its own
// runtime), so a store made outside QLShared must report failures by its
// results and never throw. A factory may fail by giving no store; that is an
// error of the operation that asked for it.
using SettingsStoreFactory = std::unique_ptr<ISettingsStore> (*)();

// Never null: throws std::runtime_error when the factory gives no store.
std::unique_ptr<ISettingsStore> CreateSettingsStore();

// Installs a factory and returns the one it replaces; null restores the
// registry.
SettingsStoreFactory SetSettingsStoreFactory(SettingsStoreFactory factory);
