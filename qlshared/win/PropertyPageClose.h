#pragma once

#include "PropertyPageOptions.h"

// Indenting and placement of a closing brace.
class CPropertyPageClose : public CPropertyPageOptions
{
public:
    CPropertyPageClose();

    int m_closeIndentStyle = 2;
    int m_closeNewLineStyle = 2;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
