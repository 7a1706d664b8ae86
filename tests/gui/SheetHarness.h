#pragma once

// Drives QLShared's modal options sheet from inside its own message loop and
// stands in for the settings store and the message-box seam.

#include "SettingsStore.h"

#include <windows.h>

#include <functional>
#include <map>
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
    int reads = 0;
};

// Puts the memory key in place of the registry for its lifetime, and
// scripts the message boxes: each box is recorded and answered from the
// queue (IDOK when it is empty).
class SheetHarness
{
public:
    SheetHarness();
    ~SheetHarness();

    struct Box
    {
        std::string text;
        std::string caption;
        UINT type;
    };

    static MemoryKey key;
    static std::vector<Box> boxes;
    static std::vector<int> answers;

    // Opens the sheet through DoPropertySheet and runs script once it is up.
    // The script must press OK or Cancel; if it leaves the sheet open, it is
    // cancelled so no test can hang. Returns false when the sheet never came.
    static bool Run(const std::function<void(HWND sheet)>& script, HWND owner = nullptr);

    // Selects a page by index and returns its window (the current page's
    // when the change was refused).
    static HWND ShowPage(HWND sheet, int index);
    static void Click(HWND page, int id);
    static bool Checked(HWND page, int id);
    static std::string Text(HWND hwnd);
    static void Press(HWND sheet, int button);
};
