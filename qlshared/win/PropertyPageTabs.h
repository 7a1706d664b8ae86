#pragma once

#include "PropertyPageOptions.h"

// Tab and indent sizes (0 to 20) and the conversion of leading white space.
class CPropertyPageTabs : public CPropertyPageOptions
{
public:
    CPropertyPageTabs();

    int m_indentSize;
    int m_tabSize;
    int m_spaceTabStyle;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;
};
