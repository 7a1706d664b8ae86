#pragma once

#include "FormatExports.h"
#include "Wnd.h"

#include <string>

// The options sheet's preview: a short piece of source code formatted at
// every paint with the pages' current values, but with the stored tab size:
// the Tabs page's tab size sets only the tab stops the sample is drawn with.
// The formatter gets the values directly; nothing is written to the store, so
// a preview never changes what the user has saved.
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
    void FormatSample(const PreviewOptionsRule& previewOptions);

    std::string m_sampleText;
    // The Tabs page's tab size as of the last paint, for the tab stops only.
    int m_tabSize = 4;
    // A failed format shows a message box, whose loop paints this window
    // again: formatting is not re-entered, and after one failure the sample
    // is only drawn, so the user sees one message rather than one per paint.
    bool m_formatting = false;
    bool m_formatFailed = false;
};
