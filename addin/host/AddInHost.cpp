// A stand-in for Developer Studio that a person can use: it loads the
// registered add-in, builds a menu and a toolbar from what the add-in
// announces, holds one source file in an editor window as the active
// document and offers a workspace's projects to the add-in's analysis dialog.
//
//     addin_host.exe [SOURCE-FILE] [--workspace WORKSPACE.dsw] [--run METHOD]
//
// --run picks one command by its method name once the window is shown.

#include "AnsiText.h"
#include "HostObjects.h"
#include "MessageBoxSeam.h"
#include "ProjectReader.h"

#include "DevStudio.h"

#include <commctrl.h>
#include <commdlg.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace
{

constexpr int EditorId = 100;
constexpr int ToolbarId = 101;
constexpr int StatusId = 102;
constexpr UINT FileOpen = 40001;
constexpr UINT FileSave = 40002;
constexpr UINT FileExit = 40003;
// Menu and toolbar ids of the add-in's commands: this plus the glyph index.
constexpr UINT FirstCommand = 41000;
constexpr int GlyphSize = 16;
constexpr long HostCookie = 1;
const char Caption[] = "Quillet Add-in Host";

// One announced command: "name\nbutton\nstatus\ntooltip" and its method.
struct Command
{
    std::wstring method;
    std::string button;
    std::string status;
    std::string tooltip;
};

struct ImageListDeleter
{
    void operator()(HIMAGELIST list) const { ImageList_Destroy(list); }
};

struct Host
{
    HostLog log;
    CComPtr<CHostApplication> application;
    CComPtr<IDSAddIn> addIn;
    std::vector<Command> commands;
    std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, ImageListDeleter> glyphs;
    std::vector<std::wstring> projectPaths;
    std::string fileName;
    HWND window = nullptr;
    HWND editor = nullptr;
    HWND toolbar = nullptr;
    HWND status = nullptr;
};

Host g_host;

std::vector<std::string> Fields(const std::string& text)
{
    std::vector<std::string> fields(1);
    for (char c : text)
    {
        if (c == '\n')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// The editor shows CR LF line ends; the engine ends lines with LF alone.
std::string WithCrLf(const std::string& text)
{
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            result += '\r';
        result += text[i];
    }
    return result;
}

std::string EditorText()
{
    std::string text(GetWindowTextLengthA(g_host.editor) + 1, '\0');
    text.resize(GetWindowTextA(g_host.editor, &text[0], int(text.size())));
    return text;
}

void SetTitle()
{
    std::string title = std::string(Caption) + (g_host.fileName.empty() ? "" : " - " + g_host.fileName);
    if (SendMessageA(g_host.editor, EM_GETMODIFY, 0, 0))
        title += " *";
    SetWindowTextA(g_host.window, title.c_str());
}

void OpenFile(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
    {
        ShowMessageBox(g_host.window, "Cannot open " + fileName, Caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    std::string text((std::istreambuf_iterator<char>(file)), {});
    g_host.fileName = fileName;
    SetWindowTextA(g_host.editor, WithCrLf(text).c_str());
    SendMessageA(g_host.editor, EM_SETMODIFY, FALSE, 0);
    SetTitle();
}

void SaveFile()
{
    if (g_host.fileName.empty())
        return;
    std::ofstream file(g_host.fileName, std::ios::binary | std::ios::trunc);
    if (!(file << EditorText()) || !file.flush())
    {
        ShowMessageBox(g_host.window, "Cannot write " + g_host.fileName, Caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    SendMessageA(g_host.editor, EM_SETMODIFY, FALSE, 0);
    SetTitle();
}

void AskForFile()
{
    char name[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = g_host.window;
    dialog.lpstrFilter = "C and C++ sources\0*.cpp;*.c;*.h;*.inl\0All files\0*.*\0";
    dialog.lpstrFile = name;
    dialog.nMaxFile = MAX_PATH;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameA(&dialog))
        OpenFile(name);
}

// Runs one command with the editor's file as the active document; what the
// add-in writes back into the selection goes back into the editor.
void RunCommand(std::size_t index)
{
    CComPtr<CHostDocument> document;
    if (!g_host.fileName.empty())
    {
        *&document = new CHostDocument(g_host.log, FromAnsi(g_host.fileName), FromAnsi(EditorText()));
        DWORD start = 0;
        DWORD end = 0;
        SendMessageA(g_host.editor, EM_GETSEL, WPARAM(&start), LPARAM(&end));
        document->selection->start = start;
        document->selection->end = end;
    }
    g_host.application->activeDocument = CComPtr<IDispatch>(document.Get());
    CComPtr<CHostProjects> projects;
    *&projects = new CHostProjects(g_host.log, g_host.projectPaths, true);
    g_host.application->projects = CComPtr<IDispatch>(projects.Get());

    g_host.application->RunCommand(g_host.commands[index].method);

    g_host.application->activeDocument.Release();
    bool changed = document && document->selection->text != FromAnsi(EditorText());
    if (changed)
    {
        SetWindowTextA(g_host.editor, WithCrLf(ToAnsi(document->selection->text)).c_str());
        SendMessageA(g_host.editor, EM_SETMODIFY, TRUE, 0);
        SetTitle();
    }
    std::string outcome = g_host.commands[index].button + (changed ? ": the text was changed" : ": no change");
    SendMessageA(g_host.status, SB_SETTEXTA, 0, LPARAM(outcome.c_str()));
}

bool LoadAddIn()
{
    CLSID classId{};
    if (FAILED(CLSIDFromProgID(L"QLAddIn.DSAddIn.1", &classId)) ||
        FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDSAddIn, g_host.addIn.OutVoid())))
    {
        ShowMessageBox(nullptr, "The Quillet add-in is not registered: run regsvr32 QLAddIn.dll first.", Caption,
                       MB_OK | MB_ICONSTOP);
        return false;
    }
    *&g_host.application = new CHostApplication(g_host.log);
    VARIANT_BOOL connected = VARIANT_FALSE;
    g_host.addIn->OnConnection(g_host.application.Get(), VARIANT_TRUE, HostCookie, &connected);
    if (connected != VARIANT_TRUE)
    {
        ShowMessageBox(nullptr, "The Quillet add-in refused the connection.", Caption, MB_OK | MB_ICONSTOP);
        return false;
    }
    for (const AnnouncedCommand& announced : g_host.application->commands)
    {
        std::vector<std::string> fields = Fields(ToAnsi(announced.command));
        fields.resize(4);
        g_host.commands.push_back({announced.method, fields[1], fields[2], fields[3]});
    }
    return true;
}

void BuildMenu(HWND window)
{
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, FileOpen, "&Open...\tCtrl+O");
    AppendMenuA(file, MF_STRING, FileSave, "&Save\tCtrl+S");
    AppendMenuA(file, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(file, MF_STRING, FileExit, "E&xit");
    HMENU tools = CreatePopupMenu();
    for (std::size_t index = 0; index < g_host.commands.size(); ++index)
        AppendMenuA(tools, MF_STRING, FirstCommand + index, g_host.commands[index].button.c_str());
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, UINT_PTR(file), "&File");
    AppendMenuA(bar, MF_POPUP, UINT_PTR(tools), "&Quillet");
    SetMenu(window, bar);
}

void BuildToolbar(HWND window)
{
    HINSTANCE addInModule = HINSTANCE(LONG_PTR(g_host.application->addInInfo.at(0)));
    HBITMAP strip = HBITMAP(LoadImageA(addInModule, MAKEINTRESOURCEA(g_host.application->addInInfo.at(1)), IMAGE_BITMAP,
                                       0, 0, LR_CREATEDIBSECTION));
    g_host.glyphs.reset(ImageList_Create(GlyphSize, GlyphSize, ILC_COLOR4 | ILC_MASK, 11, 0));
    ImageList_AddMasked(g_host.glyphs.get(), strip, RGB(192, 192, 192));
    DeleteObject(strip);

    g_host.toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr,
                                     WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, 0, 0, 0,
                                     window, HMENU(INT_PTR(ToolbarId)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(g_host.toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(g_host.toolbar, TB_SETIMAGELIST, 0, LPARAM(g_host.glyphs.get()));
    // One button per AddCommandBarButton, with the glyph of its command.
    for (const std::wstring& name : g_host.application->buttons)
    {
        for (const AnnouncedCommand& announced : g_host.application->commands)
        {
            if (announced.command.compare(0, name.size() + 1, name + L"\n") != 0)
                continue;
            TBBUTTON button{};
            button.iBitmap = announced.glyph;
            button.idCommand = int(FirstCommand + announced.glyph);
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = BTNS_BUTTON;
            SendMessageA(g_host.toolbar, TB_ADDBUTTONSA, 1, LPARAM(&button));
        }
    }
    SendMessageA(g_host.toolbar, TB_AUTOSIZE, 0, 0);
}

void Layout(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    SendMessageA(g_host.toolbar, TB_AUTOSIZE, 0, 0);
    SendMessageA(g_host.status, WM_SIZE, 0, 0);
    RECT bar{};
    RECT status{};
    GetWindowRect(g_host.toolbar, &bar);
    GetWindowRect(g_host.status, &status);
    int top = bar.bottom - bar.top;
    int bottom = client.bottom - (status.bottom - status.top);
    MoveWindow(g_host.editor, 0, top, client.right, bottom - top, TRUE);
}

const Command* CommandOf(UINT id)
{
    return id >= FirstCommand && id < FirstCommand + g_host.commands.size() ? &g_host.commands[id - FirstCommand]
                                                                            : nullptr;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_CREATE:
        g_host.window = window;
        BuildMenu(window);
        BuildToolbar(window);
        g_host.status = CreateWindowExA(0, STATUSCLASSNAMEA, "Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                                        0, window, HMENU(INT_PTR(StatusId)), GetModuleHandleA(nullptr), nullptr);
        g_host.editor = CreateWindowExA(
            WS_EX_CLIENTEDGE, "EDIT", "",
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, 0, 0, 0,
            0, window, HMENU(INT_PTR(EditorId)), GetModuleHandleA(nullptr), nullptr);
        SendMessageA(g_host.editor, WM_SETFONT, WPARAM(GetStockObject(ANSI_FIXED_FONT)), FALSE);
        SendMessageA(g_host.editor, EM_SETLIMITTEXT, 0, 0);
        return 0;
    case WM_SIZE:
        Layout(window);
        return 0;
    case WM_SETFOCUS:
        SetFocus(g_host.editor);
        return 0;
    case WM_MENUSELECT:
    {
        const Command* command = CommandOf(LOWORD(wParam));
        SendMessageA(g_host.status, SB_SETTEXTA, 0, LPARAM(command ? command->status.c_str() : "Ready"));
        return 0;
    }
    case WM_NOTIFY:
    {
        auto* tip = reinterpret_cast<NMTTDISPINFOA*>(lParam);
        if (tip->hdr.code == TTN_GETDISPINFOA)
        {
            if (const Command* command = CommandOf(UINT(tip->hdr.idFrom)))
                tip->lpszText = const_cast<char*>(command->tooltip.c_str());
        }
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == FileOpen)
            AskForFile();
        else if (LOWORD(wParam) == FileSave)
            SaveFile();
        else if (LOWORD(wParam) == FileExit)
            DestroyWindow(window);
        else if (CommandOf(LOWORD(wParam)))
            RunCommand(LOWORD(wParam) - FirstCommand);
        else if (LOWORD(wParam) == EditorId && HIWORD(wParam) == EN_CHANGE)
            SetTitle();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

std::vector<std::wstring> WorkspaceProjects(const std::string& workspace)
{
    MetricsTable table;
    CProjectReader reader(table, FrontEnd::Standalone, SourceCounters::None());
    std::string error;
    std::vector<std::wstring> paths;
    if (!reader.ReadWorkspace(workspace, error))
    {
        ShowMessageBox(nullptr, error, Caption, MB_OK | MB_ICONEXCLAMATION);
        return paths;
    }
    for (std::size_t row = 0; row < table.Size(); ++row)
    {
        if (table.kinds[row] == RowKind::Project)
            paths.push_back(FromAnsi(reader.WorkspaceDirectory() + table.names[row]));
    }
    return paths;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    std::string file;
    std::wstring run;
    for (int index = 1; index < __argc; ++index)
    {
        std::string argument = __argv[index];
        if (argument == "--workspace" && index + 1 < __argc)
            g_host.projectPaths = WorkspaceProjects(__argv[++index]);
        else if (argument == "--run" && index + 1 < __argc)
            run = FromAnsi(__argv[++index]);
        else
            file = argument;
    }
    if (FAILED(CoInitialize(nullptr)))
        return 1;
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    int result = 1;
    if (LoadAddIn())
    {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = "QuilletAddInHost";
        RegisterClassA(&windowClass);
        CreateWindowExA(0, windowClass.lpszClassName, Caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 760,
                        520, nullptr, nullptr, instance, nullptr);
        if (!file.empty())
            OpenFile(file);
        ShowWindow(g_host.window, show);
        for (std::size_t index = 0; index < g_host.commands.size(); ++index)
        {
            if (g_host.commands[index].method == run)
                PostMessageA(g_host.window, WM_COMMAND, FirstCommand + index, 0);
        }
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0)
        {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        result = 0;
        g_host.addIn->OnDisconnection(VARIANT_TRUE);
        g_host.application->commandObject.Release();
    }
    g_host.glyphs.reset();
    g_host.addIn.Release();
    g_host.application.Release();
    CoUninitialize();
    return result;
}
