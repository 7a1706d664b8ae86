#pragma once

#include "PropertyPageOptions.h"

// Indenting and placement of a closing brace.
class CPropertyPageClose : public CPropertyPageOptions
{
public:
    CPropertyPageClose();

    int m_closeIndentStyle;
    int m_closeNewLineStyle;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
