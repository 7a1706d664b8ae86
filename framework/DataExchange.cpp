// Copies between a dialog's members and its controls; a bad value is refused with a message, its control focused.
#include "DataExchange.h"

#include "Dialog.h"
#include "MessageRoute.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{

bool IsRadioButton(HWND control)
{
    LRESULT code = SendMessageA(control, WM_GETDLGCODE, 0, 0);
    return (code & DLGC_RADIOBUTTON) != 0;
}

// Accepts optional blanks, an optional sign and decimal digits, nothing else.
bool ParseInteger(const std::string& text, long& value)
{
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    std::string digits = text.substr(begin, end - begin);
    if (digits.empty())
        return false;
    size_t first = (digits[0] == '-' || digits[0] == '+') ? 1 : 0;
    if (first == digits.size())
        return false;
    for (size_t i = first; i < digits.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(digits[i])))
            return false;
    errno = 0;
    value = std::strtol(digits.c_str(), nullptr, 10);
    // An overflowing number is simply out of any range we check.
    if (errno == ERANGE)
        value = digits[0] == '-' ? -2147483647L - 1 : 2147483647L;
    return true;
}

} // namespace

CDataExchange::CDataExchange(CDialog& dialog, bool saveAndValidate) : m_dialog(dialog), m_save(saveAndValidate) {}

void CDataExchange::Radio(int firstId, int& value)
{
    if (m_failed)
        return;
    HWND button = m_dialog.GetDlgItem(firstId);
    if (m_save)
        value = -1;
    for (int index = 0; button && IsRadioButton(button); ++index)
    {
        if (m_save)
        {
            if (SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED)
                value = index;
        }
        else
        {
            SendMessageA(button, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        button = GetWindow(button, GW_HWNDNEXT);
        if (button && (GetWindowLongA(button, GWL_STYLE) & WS_GROUP))
            break;
    }
}

void CDataExchange::Check(int id, int& value)
{
    if (m_failed)
        return;
    HWND box = m_dialog.GetDlgItem(id);
    if (!box)
        return;
    if (m_save)
        value = SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    else
        SendMessageA(box, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CDataExchange::Control(int id, CWnd& control)
{
    control.m_hWnd = m_dialog.GetDlgItem(id);
}

void CDataExchange::Integer(int id, int& value, int min, int max)
{
    if (m_failed)
        return;
    if (!m_save)
    {
        m_dialog.SetItemText(id, std::to_string(value));
        return;
    }
    long number = 0;
    if (!ParseInteger(m_dialog.GetItemText(id), number))
    {
        Refuse(id, "Please enter an integer.");
        return;
    }
    if (number < min || number > max)
    {
        char text[80];
        std::snprintf(text, sizeof(text), "Please enter an integer between %d and %d.", min, max);
        Refuse(id, text);
        return;
    }
    value = static_cast<int>(number);
}

void CDataExchange::Refuse(int id, const char* text)
{
    m_failed = true;
    RouteMessage(text, ApplicationTitle(), MB_OK | MB_ICONEXCLAMATION);
    HWND box = m_dialog.GetDlgItem(id);
    SetFocus(box);
    SendMessageA(box, EM_SETSEL, 0, -1);
}
