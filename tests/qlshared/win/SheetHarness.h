#pragma once

// Drives QLShared's modal options sheet from inside its own message loop and
// stands in for the library's settings store and message-box seam.

#include "LibrarySeams.h"
#include "MessageBoxScript.h"
#include "QLShared.h"
#include "SettingsStore.h"
#include "WindowText.h"
#include "Wnd.h"

#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The settings key held in memory, shared by every store object the library
// makes while a test runs.
struct MemoryKey
{
    bool exists = true;
    std::map<std::string, int> numbers;
    std::map<std::string, std::string> strings;
    std::vector<std::string> writes; // value names in the order written
    int opens = 0;
};

// Puts the memory key in place of the registry for its lifetime, and
// scripts the message boxes (IDOK unless answers are queued).
class SheetHarness
{
public:
    static inline MemoryKey key;

    SheetHarness()
    {
        key = MemoryKey();
        s_boxes = &m_boxes;
        SetLibrarySettingsStoreFactory([]() -> std::unique_ptr<ISettingsStore> { return std::make_unique<Store>(); });
    }
    ~SheetHarness() { SetLibrarySettingsStoreFactory(nullptr); }

    // The boxes shown, and the answers queued for the next ones.
    static std::vector<ShownBox>& Boxes() { return s_boxes->shown; }
    static std::deque<int>& Answers() { return s_boxes->answers; }

    // Opens the sheet through DoPropertySheet and runs script once it is up.
    // The script must press OK or Cancel; if it leaves the sheet open, it is
    // cancelled so no test can hang. Returns false when the sheet never came.
    static bool Run(const std::function<void(HWND sheet)>& script, HWND owner = nullptr)
    {
        s_script = script;
        s_ran = false;
        s_ticks = 0;
        s_timer = SetTimer(nullptr, 0, 20, Tick);
        CWnd ownerObject;
        ownerObject.m_hWnd = owner;
        DoPropertySheet(owner ? &ownerObject : nullptr);
        ownerObject.m_hWnd = nullptr;
        KillTimer(nullptr, s_timer);
        return s_ran;
    }

    // Selects a page by index and returns its window (the current page's
    // when the change was refused).
    static HWND ShowPage(HWND sheet, int index)
    {
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);
        return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    static void Click(HWND page, int id) { SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0); }
    static bool Checked(HWND page, int id) { return IsDlgButtonChecked(page, id) == BST_CHECKED; }
    static void Press(HWND sheet, int button) { SendMessageA(sheet, PSM_PRESSBUTTON, button, 0); }

private:
    class Store : public ISettingsStore
    {
    public:
        bool OpenKey() override { return ++key.opens, m_open = key.exists; }
        bool OpenOrCreateKey() override { return ++key.opens, key.exists = m_open = true; }
        int ReadNumber(const char* name, int def) override
        {
            auto found = key.numbers.find(name);
            return m_open && found != key.numbers.end() ? found->second : def;
        }
        std::string ReadString(const char* name) override
        {
            auto found = key.strings.find(name);
            return m_open && found != key.strings.end() ? found->second : std::string();
        }
        bool WriteNumber(const char* name, int value) override
        {
            if (m_open)
            {
                key.numbers[name] = value;
                key.writes.push_back(name);
            }
            return m_open;
        }

    private:
        bool m_open = false;
    };

    static BOOL CALLBACK MatchSheet(HWND hwnd, LPARAM found)
    {
        if (WindowText(hwnd) != "Format Settings" || !IsWindowVisible(hwnd))
            return TRUE;
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND sheet = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), MatchSheet, reinterpret_cast<LPARAM>(&sheet));
        if (!sheet)
        {
            // The sheet never came: stop waiting rather than hang.
            if (++s_ticks > 200)
                KillTimer(nullptr, s_timer);
        }
        else if (!s_ran)
        {
            s_ran = true;
            s_script(sheet);
        }
        else
        {
            // The script left the sheet open (a failed expectation): end it.
            Press(sheet, PSBTN_CANCEL);
        }
    }

    MessageBoxScript m_boxes;
    static inline MessageBoxScript* s_boxes = nullptr;
    static inline std::function<void(HWND)> s_script;
    static inline bool s_ran = false;
    static inline UINT_PTR s_timer = 0;
    static inline int s_ticks = 0;
};
