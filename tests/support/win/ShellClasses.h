#pragma once

#include <windows.h>

#include <shlwapi.h>

// The shell's keys for workspaces, for the user and the machine, cleared
// while the object lives and after it.
struct ShellClasses
{
    ShellClasses() { Clear(); }
    ~ShellClasses() { Clear(); }
    static void Clear()
    {
        for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        {
            SHDeleteKeyA(hive, "Software\\Classes\\.dsw");
            SHDeleteKeyA(hive, "Software\\Classes\\Quillet.Document");
        }
    }
};
