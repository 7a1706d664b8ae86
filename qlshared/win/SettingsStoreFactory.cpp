// The one place QLShared's code gets its settings store: the registry, unless a test build installed another.
#include "SettingsStoreFactory.h"

#include "SettingsRegistry.h"

#include <atomic>
#include <stdexcept>

namespace
{

std::unique_ptr<ISettingsStore> CreateRegistryStore()
{
    return std::make_unique<CSettingsRegistry>();
}

std::atomic<SettingsStoreFactory> currentFactory{&CreateRegistryStore};

} // namespace

std::unique_ptr<ISettingsStore> CreateSettingsStore()
{
    std::unique_ptr<ISettingsStore> store = currentFactory.load()();
    if (!store)
        throw std::runtime_error("no settings store");
    return store;
}

SettingsStoreFactory SetSettingsStoreFactory(SettingsStoreFactory factory)
{
    return currentFactory.exchange(factory ? factory : &CreateRegistryStore);
}
