// The COM server's module-wide state: the lock count that decides unloading, its locks, and the unload clean-ups.
#include "AddInModule.h"

#include <vector>

namespace
{

volatile LONG g_lockCount = 0;

std::mutex& CleanupLock()
{
    static std::mutex lock;
    return lock;
}

std::vector<void (*)()>& Cleanups()
{
    static std::vector<void (*)()> routines;
    return routines;
}

} // namespace

namespace AddInModule
{

void Lock()
{
    InterlockedIncrement(&g_lockCount);
}

void Unlock()
{
    InterlockedDecrement(&g_lockCount);
}

LONG LockCount()
{
    return InterlockedCompareExchange(&g_lockCount, 0, 0);
}

std::mutex& FactoryLock()
{
    static std::mutex lock;
    return lock;
}

std::mutex& TypeInfoLock()
{
    static std::mutex lock;
    return lock;
}

void AddCleanup(void (*routine)())
{
    std::lock_guard<std::mutex> guard(CleanupLock());
    Cleanups().push_back(routine);
}

void RunCleanups()
{
    std::vector<void (*)()> routines;
    {
        std::lock_guard<std::mutex> guard(CleanupLock());
        routines.swap(Cleanups());
    }
    for (auto routine = routines.rbegin(); routine != routines.rend(); ++routine)
        (*routine)();
}

} // namespace AddInModule
