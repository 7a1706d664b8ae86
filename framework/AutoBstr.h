#pragma once

#include <oleauto.h>

#include <string>

// Owns one automation string and frees it when it goes.
class CAutoBstr
{
public:
    CAutoBstr() = default;
    explicit CAutoBstr(const std::wstring& text) : m_bstr(SysAllocStringLen(text.data(), UINT(text.size()))) {}
    CAutoBstr(const CAutoBstr&) = delete;
    CAutoBstr& operator=(const CAutoBstr&) = delete;
    ~CAutoBstr() { SysFreeString(m_bstr); }

    // For out parameters: what was held is freed first.
    BSTR* operator&()
    {
        SysFreeString(m_bstr);
        m_bstr = nullptr;
        return &m_bstr;
    }
    BSTR Get() const { return m_bstr; }
    std::wstring Text() const { return m_bstr ? std::wstring(m_bstr, SysStringLen(m_bstr)) : std::wstring(); }
    // Hands the string over to the caller.
    BSTR Detach()
    {
        BSTR bstr = m_bstr;
        m_bstr = nullptr;
        return bstr;
    }

private:
    BSTR m_bstr = nullptr;
};
