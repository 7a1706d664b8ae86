// The White Space page, which refuses clicks that would set operators and parentheses to opposite spacing.
#include "PropertyPageWhiteSpace.h"

#include "DataExchange.h"
#include "MessageRoute.h"
#include "PropertyPageIds.h"

#include <string>

namespace
{

const char kCaption[] = "Configuration  Problem";

const std::string kTail = "format your code in this way you must do it in two steps.  "
                          "First set both items to space and format the code, then set one "
                          "item to no-space, the other to no-change and format the code again.";

const std::string kBothToSpace = "\n\nDo you wish to set both items to space at this time?";

} // namespace

CPropertyPageWhiteSpace::CPropertyPageWhiteSpace() : CPropertyPageOptions(IDD_PAGE_WHITESPACE)
{
    // A missing spacing value shows "Space" here, not the formatter's
    // "Do Not Change".
    const std::unique_ptr<ISettingsStore> store = OpenStore();
    m_deleteTrailingWhiteSpace = ReadPageValue(store.get(), &FormatOptions::DeleteTrailingWhiteSpace);
    m_operatorSpace = ReadPageValue(store.get(), &FormatOptions::OperatorSpace);
    m_parenthesesSpace = ReadPageValue(store.get(), &FormatOptions::ParenthesesSpace);
}

void CPropertyPageWhiteSpace::DoDataExchange(CDataExchange& dx)
{
    dx.Check(IDC_DELETE_TRAILING, m_deleteTrailingWhiteSpace);
    dx.Radio(IDC_OPERATOR_SPACE, m_operatorSpace);
    dx.Radio(IDC_PARENS_SPACE, m_parenthesesSpace);
}

bool CPropertyPageWhiteSpace::OnCommand(WORD id, WORD code, HWND control)
{
    if (code == BN_CLICKED)
    {
        switch (id)
        {
        case IDC_OPERATOR_NO_SPACE:
            OnOperatorNoSpace();
            return true;
        case IDC_OPERATOR_SPACE:
            OnOperatorSpace();
            return true;
        case IDC_PARENS_NO_SPACE:
            OnParenthesesNoSpace();
            return true;
        case IDC_PARENS_SPACE:
            OnParenthesesSpace();
            return true;
        default:
            break;
        }
    }
    return CPropertyPageOptions::OnCommand(id, code, control);
}

void CPropertyPageWhiteSpace::OnOperatorNoSpace()
{
    if (!IsChecked(IDC_OPERATOR_NO_SPACE))
        return;
    if (IsChecked(IDC_PARENS_SPACE))
    {
        RefuseNoSpace("It is illegal to set the operator to no-space while "
                      "parentheses are set to space.  If you really want to ",
                      IDC_OPERATOR_NO_SPACE, IDC_OPERATOR_SPACE);
        return;
    }
    SetModified();
}

void CPropertyPageWhiteSpace::OnOperatorSpace()
{
    if (!IsChecked(IDC_OPERATOR_SPACE))
        return;
    if (IsChecked(IDC_PARENS_NO_SPACE))
    {
        OfferBothToSpace("It is illegal to set the operator to space while "
                         "parentheses are set to no-space.  If you really want to ",
                         IDC_OPERATOR_SPACE, IDC_OPERATOR_NO_SPACE, IDC_PARENS_SPACE, IDC_PARENS_NO_SPACE);
        return;
    }
    SetModified();
}

void CPropertyPageWhiteSpace::OnParenthesesNoSpace()
{
    if (!IsChecked(IDC_PARENS_NO_SPACE))
        return;
    if (IsChecked(IDC_OPERATOR_SPACE))
    {
        RefuseNoSpace("It is illegal to set the parentheses to no-space while "
                      "operators are set to space.  If you really want to ",
                      IDC_PARENS_NO_SPACE, IDC_PARENS_SPACE);
        return;
    }
    SetModified();
}

void CPropertyPageWhiteSpace::OnParenthesesSpace()
{
    if (!IsChecked(IDC_PARENS_SPACE))
        return;
    if (IsChecked(IDC_OPERATOR_NO_SPACE))
    {
        OfferBothToSpace("It is illegal to set the parentheses to space while "
                         "operators are set to no-space.  If you really want to ",
                         IDC_PARENS_SPACE, IDC_PARENS_NO_SPACE, IDC_OPERATOR_SPACE, IDC_OPERATOR_NO_SPACE);
        return;
    }
    SetModified();
}

// A no-space click against a group set to space: explained, and the group
// goes back to space.
void CPropertyPageWhiteSpace::RefuseNoSpace(const std::string& reason, int clicked, int space)
{
    RouteMessage(reason + kTail, kCaption, MB_OK | MB_ICONSTOP);
    SetChecked(space, true);
    Focus(space);
    SetChecked(clicked, false);
}

// A space click against a group set to no-space: Yes sets the other group to
// space too; No falls back to no-space for the clicked group.
void CPropertyPageWhiteSpace::OfferBothToSpace(const std::string& reason, int clicked, int clickedNoSpace,
                                               int otherSpace, int otherNoSpace)
{
    const int answer = RouteMessage(reason + kTail + kBothToSpace, kCaption, MB_YESNO | MB_ICONQUESTION);
    if (answer == IDYES)
    {
        SetChecked(otherSpace, true);
        SetChecked(otherNoSpace, false);
        SetModified();
    }
    else
    {
        SetChecked(clicked, false);
        SetChecked(clickedNoSpace, true);
        Focus(clickedNoSpace);
    }
}

bool CPropertyPageWhiteSpace::IsChecked(int id) const
{
    return IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED;
}

void CPropertyPageWhiteSpace::SetChecked(int id, bool checked)
{
    CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void CPropertyPageWhiteSpace::Focus(int id)
{
    SetFocus(GetDlgItem(id));
}
