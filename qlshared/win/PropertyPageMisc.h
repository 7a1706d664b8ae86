#pragma once

#include "PropertyPageOptions.h"

// Re-computation of indents, and the two spell checks, which are shown but
// cannot be changed.
class CPropertyPageMisc : public CPropertyPageOptions
{
public:
    CPropertyPageMisc();

    int m_spellCheckComments;
    int m_spellCheckText;
    int m_recalculateIndents;

protected:
    void DoDataExchange(CDataExchange& dx) override;
};
