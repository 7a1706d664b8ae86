#pragma once

#include <windows.h>

#include <memory>

// Owner of a movable global memory block, such as the printer set-up blocks
// (device mode, device names) the print dialogs hand back.
struct GlobalMemoryFree
{
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
using CGlobalMemory = std::unique_ptr<void, GlobalMemoryFree>;

// Owner of a device context made with CreateDC or returned by a print dialog.
struct DcDelete
{
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using CCreatedDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDelete>;
