#pragma once

#include "PropertyPageOptions.h"

#include <string>

// Spacing inside parentheses and around operators, and trailing white space.
// Operators and parentheses may not be set to opposite spacing in one pass:
// the clicks that would do so are refused with an explanation.
class CPropertyPageWhiteSpace : public CPropertyPageOptions
{
public:
    CPropertyPageWhiteSpace();

    int m_deleteTrailingWhiteSpace;
    int m_operatorSpace;
    int m_parenthesesSpace;

protected:
    void DoDataExchange(CDataExchange& dx) override;
    bool OnCommand(WORD id, WORD code, HWND control) override;

private:
    void OnOperatorNoSpace();
    void OnOperatorSpace();
    void OnParenthesesNoSpace();
    void OnParenthesesSpace();
    void RefuseNoSpace(const std::string& reason, int clicked, int space);
    void OfferBothToSpace(const std::string& reason, int clicked, int clickedNoSpace, int otherSpace, int otherNoSpace);

    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    void Focus(int id);
};
