// The options sheet's preview: a sample formatted at each paint with the pages' values, never written to the store.
#include "SampleWnd.h"

#include "PropertyPageIds.h"
#include "PropertySheetOptions.h"

#include <algorithm>
#include <cstring>

CSampleWnd::CSampleWnd()
    : m_sampleText("// Comment\n\nCTest::CTest()\n"
                   "{\n"
                   "    A = B + C;\n"
                   "    A=Function(B,\n"
                   "        C);\n"
                   "}\n\n")
{
}

bool CSampleWnd::Create(HWND sheet, const RECT& rect)
{
    return CreateEx(0, "", WS_CHILD | WS_VISIBLE, rect, sheet, IDC_SAMPLE);
}

bool CSampleWnd::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message)
    {
    case WM_PAINT:
        OnPaint();
        result = 0;
        return true;
    case WM_ERASEBKGND:
        result = OnEraseBkgnd(reinterpret_cast<HDC>(wParam)) ? TRUE : FALSE;
        return true;
    case WM_GETTEXTLENGTH:
        result = static_cast<LRESULT>(m_sampleText.size());
        return true;
    case WM_GETTEXT:
    {
        // The window's text is the sample, for accessibility tools and tests.
        size_t room = static_cast<size_t>(wParam);
        if (room == 0)
        {
            result = 0;
            return true;
        }
        size_t count = std::min(room - 1, m_sampleText.size());
        std::memcpy(reinterpret_cast<char*>(lParam), m_sampleText.data(), count);
        reinterpret_cast<char*>(lParam)[count] = '\0';
        result = static_cast<LRESULT>(count);
        return true;
    }
    default:
        return false;
    }
}

void CSampleWnd::FormatSample(const PreviewOptionsRule& previewOptions)
{
    if (m_formatting || m_formatFailed)
        return;
    m_formatting = true;
    std::string formatted = FormatPreviewText(m_sampleText, previewOptions);
    m_formatting = false;
    // An empty result is the formatter's failure (already reported): the
    // sample keeps its text.
    if (formatted.empty())
        m_formatFailed = true;
    else
        m_sampleText = formatted;
}

void CSampleWnd::OnPaint()
{
    auto* sheet = dynamic_cast<CPropertySheetOptions*>(FromHandle(GetParent(m_hWnd)));
    if (sheet)
    {
        m_tabSize = sheet->m_pageTabs.m_tabSize;
        FormatSample([sheet](const FormatOptions& stored) { return sheet->PreviewOptions(stored); });
    }

    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    RECT client;
    GetClientRect(m_hWnd, &client);

    RECT label = {client.left, client.bottom - 25, client.right, client.bottom};
    DrawTextA(dc, "Sample", -1, &label, DT_CENTER | DT_TOP | DT_SINGLELINE);

    HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
    HGDIOBJ previousBrush = SelectObject(dc, white);
    Rectangle(dc, client.left, client.top, client.right, client.bottom - 25);
    SelectObject(dc, previousBrush);

    SetBkMode(dc, TRANSPARENT);
    HFONT font = CreateFontA(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Courier New");
    HGDIOBJ previousFont = SelectObject(dc, font);

    RECT text = {client.left + (client.right - client.left) / 20, client.top, client.right, client.bottom - 25};
    DRAWTEXTPARAMS tabs{};
    tabs.cbSize = sizeof(tabs);
    tabs.iTabLength = m_tabSize;
    DrawTextExA(dc, const_cast<char*>(m_sampleText.c_str()), static_cast<int>(m_sampleText.size()), &text,
                DT_EXPANDTABS | DT_TABSTOP | DT_NOPREFIX | DT_LEFT | DT_TOP, &tabs);

    SelectObject(dc, previousFont);
    DeleteObject(font);
    DeleteObject(white);
    EndPaint(m_hWnd, &paint);
}

bool CSampleWnd::OnEraseBkgnd(HDC dc)
{
    HWND sheet = GetParent(m_hWnd);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(sheet, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(sheet)));
    RECT client;
    GetClientRect(m_hWnd, &client);
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_3DFACE));
    return true;
}
