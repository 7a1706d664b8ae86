#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

// The printer names a print dialog hands back, for the printer given, on
// the spooler's driver and a port that goes nowhere.
inline HGLOBAL DevNamesOf(const std::string& printer)
{
    const std::string names = printer + '\0' + "winspool" + '\0' + "NOWHERE:" + '\0';
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVNAMES) + names.size());
    auto* header = static_cast<DEVNAMES*>(GlobalLock(memory));
    header->wDeviceOffset = sizeof(DEVNAMES);
    header->wDriverOffset = static_cast<WORD>(sizeof(DEVNAMES) + printer.size() + 1);
    header->wOutputOffset = static_cast<WORD>(header->wDriverOffset + 9);
    names.copy(reinterpret_cast<char*>(header) + sizeof(DEVNAMES), names.size());
    GlobalUnlock(memory);
    return memory;
}
