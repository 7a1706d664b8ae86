#pragma once

// Drives QLShared's modal options sheet from inside its own message loop and
// stands in for the library's settings store.

#include "LibrarySeams.h"
#include "QLShared.h"
#include "SettingsStore.h"
#include "WindowText.h"
#include "Wnd.h"
#include "win/ModalScript.h"

#include <commctrl.h>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
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
    bool failing = false;            // reading throws, as a broken store may
};

// Puts the memory key in place of the registry for its lifetime.
class SheetHarness
{
public:
    static inline MemoryKey key;

    SheetHarness()
    {
        key = MemoryKey();
        SetLibrarySettingsStoreFactory([]() -> std::unique_ptr<ISettingsStore> { return std::make_unique<Store>(); });
    }
    ~SheetHarness() { SetLibrarySettingsStoreFactory(nullptr); }

    // Opens the sheet through DoPropertySheet and runs script once it is up;
    // false when the sheet never came. The script presses OK or Cancel.
    static bool Run(const std::function<void(HWND sheet)>& script, HWND owner = nullptr)
    {
        ModalScript driver("Format Settings", script);
        CWnd ownerObject;
        ownerObject.m_hWnd = owner;
        DoPropertySheet(owner ? &ownerObject : nullptr);
        ownerObject.m_hWnd = nullptr;
        return driver.ran;
    }

    // Selects a page by index and returns its window (the current page's
    // when the change was refused).
    static HWND ShowPage(HWND sheet, int index)
    {
        SendMessageA(sheet, PSM_SETCURSEL, index, 0);
        return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
    }
    static void Click(HWND page, int id) { SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0); }
    static bool ApplyEnabled(HWND sheet) { return IsWindowEnabled(GetDlgItem(sheet, ApplyButton)); }
    static void Press(HWND sheet, int button) { SendMessageA(sheet, PSM_PRESSBUTTON, button, 0); }

private:
    static constexpr int ApplyButton = 0x3021;

    class Store : public ISettingsStore
    {
    public:
        bool OpenKey() override { return m_open = key.exists; }
        bool OpenOrCreateKey() override { return key.exists = m_open = true; }
        int ReadNumber(const char* name, int def) override
        {
            if (key.failing)
                throw std::runtime_error("settings store failed");
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
};
