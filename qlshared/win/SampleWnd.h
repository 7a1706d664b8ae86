#pragma once

#include "FormatOptions.h"
#include "Wnd.h"

#include <string>

// The options sheet's preview: a short piece of source code formatted with
// the pages' current values at every paint. The formatter gets all thirteen
// values directly; the stored settings are never touched, so a preview can
// neither change nor depend on what the user has saved.
class CSampleWnd : public CWnd
{
public:
    CSampleWnd();

    bool Create(HWND sheet, const RECT& rect);

    // The text shown, which is also the window's text.
    const std::string& SampleText() const { return m_sampleText; }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void OnPaint();
    bool OnEraseBkgnd(HDC dc);
    void FormatSample(const FormatOptions& options);

    std::string m_sampleText;
    // The Tabs page's tab size as of the last paint, for the tab stops.
    int m_tabSize = 4;
    // A failed format shows a message box, whose loop paints this window
    // again: formatting is not re-entered, and after one failure the sample
    // is only drawn, so the user sees one message rather than one per paint.
    bool m_formatting = false;
    bool m_formatFailed = false;
};
