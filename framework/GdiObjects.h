#pragma once

#include <windows.h>

// Owners for GDI objects: a created pen, brush or font is deleted with its
// owner, and an object selected into a device context is swapped back out
// before the context or the object goes away.

template <typename Handle> class CGdiObject
{
public:
    explicit CGdiObject(Handle handle = nullptr) : m_handle(handle) {}
    ~CGdiObject()
    {
        if (m_handle)
            DeleteObject(m_handle);
    }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    Handle Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

private:
    Handle m_handle;
};

class CSelectedObject
{
public:
    CSelectedObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~CSelectedObject()
    {
        if (m_previous)
            SelectObject(m_dc, m_previous);
    }
    CSelectedObject(const CSelectedObject&) = delete;
    CSelectedObject& operator=(const CSelectedObject&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
