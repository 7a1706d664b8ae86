#pragma once

#include "PropertyPageOptions.h"

// Indenting and placement of an opening brace.
class CPropertyPageOpen : public CPropertyPageOptions
{
public:
    CPropertyPageOpen();

    int m_openIndentStyle = 2;
    int m_openNewLineStyle = 2;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
