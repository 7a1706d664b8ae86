#pragma once

#include "PropertyPageOptions.h"

// Indenting and placement of an opening brace.
class CPropertyPageOpen : public CPropertyPageOptions
{
public:
    CPropertyPageOpen();

    int m_openIndentStyle;
    int m_openNewLineStyle;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
