#pragma once

#include <oleauto.h>

// A VARIANT that clears itself (freeing its string, releasing its pointer)
// when it goes.
class CAutoVariant : public VARIANT
{
public:
    CAutoVariant() { VariantInit(this); }
    CAutoVariant(const CAutoVariant&) = delete;
    CAutoVariant& operator=(const CAutoVariant&) = delete;
    ~CAutoVariant() { VariantClear(this); }

    void Clear() { VariantClear(this); }
};
