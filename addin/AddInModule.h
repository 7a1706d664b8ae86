#pragma once

#include <windows.h>

#include <mutex>

// Module-wide state of the COM server. LockCount counts the live objects,
// the server locks and the outside holders of the cached class factory; the
// module may unload only when it is 0.
namespace AddInModule
{

void Lock();
void Unlock();
LONG LockCount();

// Serialise the creation of the cached class factory and the loading of the
// command object's type information.
std::mutex& FactoryLock();
std::mutex& TypeInfoLock();

// A routine to run when the module unloads; they run in reverse order of
// registration.
void AddCleanup(void (*routine)());
void RunCleanups();

} // namespace AddInModule
