#pragma once

#include "PropertyPageOptions.h"

// Re-computation of indents, and the two spell checks, which are shown but
// cannot be changed.
class CPropertyPageMisc : public CPropertyPageOptions
{
public:
    CPropertyPageMisc();

    int m_spellCheckComments = 0;
    int m_spellCheckText = 0;
    int m_recalculateIndents = 0;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
