#pragma once

#include <unknwn.h>

// Owns one reference to a COM interface and releases it when it goes.
template <class T> class CComPtr
{
public:
    CComPtr() = default;
    // Takes a new reference of its own.
    explicit CComPtr(T* pointer) : m_p(pointer)
    {
        if (m_p)
            m_p->AddRef();
    }
    CComPtr(const CComPtr& other) : CComPtr(other.m_p) {}
    CComPtr(CComPtr&& other) noexcept : m_p(other.Detach()) {}
    CComPtr& operator=(CComPtr other) noexcept
    {
        T* old = m_p;
        m_p = other.m_p;
        other.m_p = old;
        return *this;
    }
    ~CComPtr() { Release(); }

    void Release()
    {
        if (m_p)
        {
            T* old = m_p;
            m_p = nullptr;
            old->Release();
        }
    }
    // For out parameters: what was held is released first.
    T** operator&()
    {
        Release();
        return &m_p;
    }
    void** OutVoid() { return reinterpret_cast<void**>(operator&()); }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // Hands the reference over to the caller.
    T* Detach()
    {
        T* pointer = m_p;
        m_p = nullptr;
        return pointer;
    }

    // Asks the held object for another interface; null on failure.
    template <class U> HRESULT QueryInterface(REFIID iid, CComPtr<U>& result) const
    {
        if (!m_p)
        {
            result.Release();
            return E_POINTER;
        }
        return m_p->QueryInterface(iid, result.OutVoid());
    }

private:
    T* m_p = nullptr;
};
