#pragma once

#include "PropertyPageOptions.h"

// Tab and indent sizes (0 to 20) and the conversion of leading white space.
class CPropertyPageTabs : public CPropertyPageOptions
{
public:
    CPropertyPageTabs();

    int m_indentSize = 4;
    int m_tabSize = 4;
    int m_spaceTabStyle = 2;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
};
