// Quillet.exe opening a generated workspace until its list is filled, timed
// from outside as a user sees it (process start to the last item in the
// tree), and the in-process open of 2,000 and 20,000 files, which should
// grow in step with the number of items; the same 2,000 files as a Visual
// Studio solution, which should open as fast as the workspace.
//
//   app-bench [QUILLET.EXE]   (default: Quillet.exe beside this program)
#include "MDIFrameWnd.h"
#include "MetricsView.h"
#include "MultiDocTemplate.h"
#include "ProjectReader.h"
#include "QLShared.h"
#include "QuilletApp.h"

#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace
{

namespace fs = std::filesystem;

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Projects of 100 sources each, 40 lines apiece; beside the workspace
// bench.sln names the same files in .vcxproj projects.
std::string Generate(const fs::path& root, int projects)
{
    fs::create_directories(root);
    std::ofstream workspace(root / "bench.dsw", std::ios::binary);
    std::ofstream solution(root / "bench.sln", std::ios::binary);
    workspace << "Workspace\r\n";
    solution << "\xEF\xBB\xBF\r\nMicrosoft Visual Studio Solution File, Format Version 12.00\r\n";
    for (int project = 0; project < projects; ++project)
    {
        const std::string name = "p" + std::to_string(project);
        fs::create_directories(root / name);
        workspace << "Project: \"" << name << "\"=.\\" << name << "\\" << name << ".dsp - Package Owner=<4>\r\n";
        solution << "Project(\"{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}\") = \"" << name << "\", \"" << name << "\\"
                 << name << ".vcxproj\", \"{00000000-0000-0000-0000-" << 100000000000 + project
                 << "}\"\r\nEndProject\r\n";
        std::ofstream dsp(root / name / (name + ".dsp"), std::ios::binary);
        std::ofstream vcxproj(root / name / (name + ".vcxproj"), std::ios::binary);
        vcxproj << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<Project "
                   "xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">\r\n<ItemGroup>\r\n";
        for (int file = 0; file < 100; ++file)
        {
            const std::string source = "f" + std::to_string(file) + ".c";
            dsp << "# Begin Source File\r\nSOURCE=" << source << "\r\n# End Source File\r\n";
            vcxproj << "<ClCompile Include=\"" << source << "\" />\r\n";
            std::ofstream text(root / name / source, std::ios::binary);
            for (int line = 0; line < 20; ++line)
                text << "int v" << line << " = " << line << "; // value\r\n\r\n";
        }
        vcxproj << "</ItemGroup>\r\n</Project>\r\n";
    }
    return (root / "bench.dsw").string();
}

// Seconds from starting Quillet.exe on the workspace to a tree of items
// items; negative when it did not get there.
double OpenFromOutside(const std::string& program, const std::string& workspace, int items)
{
    std::string commandLine = "\"" + program + "\" \"" + workspace + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const double start = Now();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    double seconds = -1;
    HWND frame = nullptr;
    while (Now() - start < 120)
    {
        frame = FindWindowA(nullptr, ("Quillet - " + fs::path(workspace).filename().string()).c_str());
        HWND client = frame ? FindWindowExA(frame, nullptr, "MDICLIENT", nullptr) : nullptr;
        HWND child = client ? FindWindowExA(client, nullptr, nullptr, nullptr) : nullptr;
        HWND view = child ? FindWindowExA(child, nullptr, nullptr, nullptr) : nullptr;
        HWND columns = view ? FindWindowExA(view, nullptr, nullptr, nullptr) : nullptr;
        HWND tree = columns ? FindWindowExA(columns, nullptr, WC_TREEVIEWA, nullptr) : nullptr;
        if (tree && SendMessageA(tree, TVM_GETCOUNT, 0, 0) == items)
        {
            seconds = Now() - start;
            break;
        }
        Sleep(5);
    }
    if (frame)
        PostMessageA(frame, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return seconds;
}

// Seconds of the open in this process: reading, counting, filling.
double OpenInProcess(const std::string& workspace, unsigned& items)
{
    CQuilletApp app;
    app.m_showCommand = SW_HIDE;
    if (!app.InitInstance({}))
        return -1;
    const double start = Now();
    app.OpenDocumentFile(workspace);
    const double seconds = Now() - start;
    CView* view = app.GetMainFrame()->GetActiveView();
    items = view ? static_cast<CMetricsView*>(view)->Tree().GetCount() : 0;
    return seconds;
}

// Seconds of reading and counting alone, without a window.
double ReadOnly(const std::string& workspace)
{
    MetricsTable table;
    std::string error;
    const double start = Now();
    CProjectReader(table, CProjectReader::Flavour::Standalone, {GetLineCount, GetCommentCount})
        .ReadWorkspace(workspace, error);
    return Now() - start;
}

} // namespace

int main(int argc, char** argv)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string program = argc > 1 ? argv[1] : (fs::path(module).parent_path() / "Quillet.exe").string();
    const fs::path root = fs::temp_directory_path() / "quillet-app-bench";
    fs::remove_all(root);

    const std::string small = Generate(root / "small", 20);
    const double outside = OpenFromOutside(program, small, 2020);
    std::printf("Quillet.exe, 2,000 files: start to filled list %.3f s (target under 1 s)\n", outside);

    std::printf("of which reading and counting: %.3f s\n", ReadOnly(small));

    // The same files as a solution, each figure the best of three.
    const std::string solution = (fs::path(small).parent_path() / "bench.sln").string();
    double best[2] = {1e9, 1e9};
    for (int run = 0; run < 3; ++run)
    {
        unsigned items = 0;
        best[0] = std::min(best[0], OpenInProcess(small, items));
        best[1] = std::min(best[1], OpenInProcess(solution, items));
    }
    const double solutionOutside = OpenFromOutside(program, solution, 2020);
    std::printf("the same files as a solution: in-process %.3f s against %.3f s (ratio %.2f), start to filled list "
                "%.3f s (ratio %.2f); target ratio 0.8 to 1.2\n",
                best[1], best[0], best[1] / best[0], solutionOutside, solutionOutside / outside);

    const std::string large = Generate(root / "large", 200);
    unsigned smallItems = 0, largeItems = 0;
    const double smallOpen = OpenInProcess(small, smallItems);
    const double largeOpen = OpenInProcess(large, largeItems);
    std::printf("in-process open and fill: %u items %.3f s, %u items %.3f s; per item %.1f us and %.1f us "
                "(ratio %.2f, 1 is linear)\n",
                smallItems, smallOpen, largeItems, largeOpen, 1e6 * smallOpen / smallItems,
                1e6 * largeOpen / largeItems, (largeOpen / largeItems) / (smallOpen / smallItems));
    fs::remove_all(root);
    return outside < 0 || smallOpen < 0 || largeOpen < 0 ? 1 : 0;
}
