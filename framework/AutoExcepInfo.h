#pragma once

#include <oleauto.h>

#include <string>

// An automation callee's account of a failure, its strings freed when it goes.
class CAutoExcepInfo : public EXCEPINFO
{
public:
    CAutoExcepInfo() : EXCEPINFO() {}
    CAutoExcepInfo(const CAutoExcepInfo&) = delete;
    CAutoExcepInfo& operator=(const CAutoExcepInfo&) = delete;
    ~CAutoExcepInfo()
    {
        SysFreeString(bstrSource);
        SysFreeString(bstrDescription);
        SysFreeString(bstrHelpFile);
    }

    // The callee's description; empty when it gave none.
    std::wstring Description()
    {
        // A callee may leave the strings to be filled in when they are asked for.
        if (pfnDeferredFillIn)
        {
            auto fillIn = pfnDeferredFillIn;
            pfnDeferredFillIn = nullptr;
            fillIn(this);
        }
        return bstrDescription ? std::wstring(bstrDescription, SysStringLen(bstrDescription)) : std::wstring();
    }
};
