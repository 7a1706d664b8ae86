#include "SheetHarness.h"

#include "QLShared.h"
#include "SettingsStoreFactory.h"
#include "Wnd.h"

#include <commctrl.h>

#include <memory>

MemoryKey SheetHarness::key;
std::vector<SheetHarness::Box> SheetHarness::boxes;
std::vector<int> SheetHarness::answers;

namespace {

class MemoryStore : public ISettingsStore
{
public:
    bool OpenKey() override
    {
        ++SheetHarness::key.opens;
        return m_open = SheetHarness::key.exists;
    }
    bool OpenOrCreateKey() override
    {
        ++SheetHarness::key.opens;
        SheetHarness::key.exists = true;
        return m_open = true;
    }
    int ReadNumber(const char* name, int def) override
    {
        ++SheetHarness::key.reads;
        auto found = SheetHarness::key.numbers.find(name);
        return m_open && found != SheetHarness::key.numbers.end() ? found->second : def;
    }
    std::string ReadString(const char* name) override
    {
        ++SheetHarness::key.reads;
        auto found = SheetHarness::key.strings.find(name);
        return m_open && found != SheetHarness::key.strings.end() ? found->second : std::string();
    }
    bool WriteNumber(const char* name, int value) override
    {
        if (!m_open)
            return false;
        SheetHarness::key.numbers[name] = value;
        SheetHarness::key.writes.push_back(name);
        return true;
    }

private:
    bool m_open = false;
};

std::unique_ptr<ISettingsStore> MakeMemoryStore()
{
    return std::make_unique<MemoryStore>();
}

int ScriptedBox(HWND, const std::string& text, const std::string& caption, UINT type)
{
    SheetHarness::boxes.push_back({text, caption, type});
    if (SheetHarness::answers.empty())
        return IDOK;
    int answer = SheetHarness::answers.front();
    SheetHarness::answers.erase(SheetHarness::answers.begin());
    return answer;
}

std::function<void(HWND)> g_script;
bool g_ran = false;
UINT_PTR g_timer = 0;
int g_ticks = 0;

BOOL CALLBACK MatchSheet(HWND hwnd, LPARAM lParam)
{
    char caption[64] = {};
    GetWindowTextA(hwnd, caption, sizeof(caption));
    if (std::string(caption) == "Format Settings" && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(lParam) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindSheet()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), MatchSheet, reinterpret_cast<LPARAM>(&found));
    return found;
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
{
    HWND sheet = FindSheet();
    if (!sheet) {
        // The sheet never came: stop waiting rather than hang.
        if (++g_ticks > 200)
            KillTimer(nullptr, g_timer);
        return;
    }
    if (!g_ran) {
        g_ran = true;
        g_script(sheet);
        return;
    }
    // The script left the sheet open (a failed expectation): end it.
    SendMessageA(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

} // namespace

SheetHarness::SheetHarness()
{
    key = MemoryKey();
    boxes.clear();
    answers.clear();
    SetSettingsStoreFactory(MakeMemoryStore);
    SetMessageBoxHandler(ScriptedBox);
}

SheetHarness::~SheetHarness()
{
    // The boxes stay scripted: no later test may show a real one.
    SetSettingsStoreFactory(nullptr);
}

bool SheetHarness::Run(const std::function<void(HWND)>& script, HWND owner)
{
    g_script = script;
    g_ran = false;
    g_ticks = 0;
    g_timer = SetTimer(nullptr, 0, 20, Tick);
    CWnd ownerObject;
    ownerObject.m_hWnd = owner;
    DoPropertySheet(owner ? &ownerObject : nullptr);
    ownerObject.m_hWnd = nullptr;
    KillTimer(nullptr, g_timer);
    return g_ran;
}

HWND SheetHarness::ShowPage(HWND sheet, int index)
{
    SendMessageA(sheet, PSM_SETCURSEL, index, 0);
    return reinterpret_cast<HWND>(SendMessageA(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

void SheetHarness::Click(HWND page, int id)
{
    SendMessageA(GetDlgItem(page, id), BM_CLICK, 0, 0);
}

bool SheetHarness::Checked(HWND page, int id)
{
    return IsDlgButtonChecked(page, id) == BST_CHECKED;
}

std::string SheetHarness::Text(HWND hwnd)
{
    char buffer[1024] = {};
    GetWindowTextA(hwnd, buffer, sizeof(buffer));
    return buffer;
}

void SheetHarness::Press(HWND sheet, int button)
{
    SendMessageA(sheet, PSM_PRESSBUTTON, button, 0);
}
