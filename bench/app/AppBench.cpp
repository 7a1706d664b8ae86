// Quillet.exe as a user feels it, under Wine:
//  - opening a generated 2,000-file workspace, timed from outside as a user
//    sees it (process start to the last item in the tree);
//  - the same 2,000 files as a Visual Studio solution, which should open as
//    fast as the workspace;
//  - the in-process open of 2,020 and 20,200 items, whose cost per item
//    should stay flat;
//  - Reindent over 2,000 small files in Quillet.exe against
//    `quillet-cli.exe batch` on the same files under the same Wine.
// Each figure is the median of several runs.
//
//   app-bench [QUILLET.EXE [QUILLET-CLI.EXE]]   (default: both beside this program)
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
#include <functional>
#include <string>
#include <vector>

namespace
{

namespace fs = std::filesystem;

const int kRuns = 5;
const UINT kReindent = 32781;

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The median of runs of measure; negative when any run failed.
double Median(int runs, const std::function<double()>& measure)
{
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run)
    {
        seconds.push_back(measure());
        if (seconds.back() < 0)
            return -1;
    }
    std::sort(seconds.begin(), seconds.end());
    return seconds[seconds.size() / 2];
}

// A source of 40 lines: flat declarations for the list, or functions with
// braces and no indentation, which Reindent rewrites.
void WriteSource(const fs::path& path, bool flat)
{
    std::ofstream text(path, std::ios::binary);
    for (int line = 0; line < 10; ++line)
    {
        if (flat)
            text << "int v" << line << " = " << line << "; // value\r\n\r\nint w" << line << ";\r\n\r\n";
        else
            text << "int f" << line << "(int a)\r\n{\r\nreturn a; // value\r\n}\r\n";
    }
}

// projects projects of filesEach sources each; beside the workspace
// bench.sln names the same files in .vcxproj projects.
std::string Generate(const fs::path& root, int projects, int filesEach, bool flat)
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
        for (int file = 0; file < filesEach; ++file)
        {
            const std::string source = "f" + std::to_string(file) + ".c";
            dsp << "# Begin Source File\r\nSOURCE=" << source << "\r\n# End Source File\r\n";
            vcxproj << "<ClCompile Include=\"" << source << "\" />\r\n";
            WriteSource(root / name / source, flat);
        }
        vcxproj << "</ItemGroup>\r\n</Project>\r\n";
    }
    return (root / "bench.dsw").string();
}

// A program started with a command line, ended with this object.
class Started
{
public:
    explicit Started(std::string commandLine)
    {
        // What a program prints goes nowhere: the figures are this program's.
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        m_nowhere = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited,
                                OPEN_EXISTING, 0, nullptr);
        STARTUPINFOA startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = m_nowhere;
        if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                            &m_process))
            m_process = PROCESS_INFORMATION{};
    }
    ~Started()
    {
        if (m_nowhere != INVALID_HANDLE_VALUE)
            CloseHandle(m_nowhere);
        if (!m_process.hProcess)
            return;
        if (m_frame)
            PostMessageA(m_frame, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(m_process.hProcess, 20000) != WAIT_OBJECT_0)
            TerminateProcess(m_process.hProcess, 1);
        CloseHandle(m_process.hThread);
        CloseHandle(m_process.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    bool Running() const { return m_process.hProcess != nullptr; }
    // Waits for the program to end; false when it did not within seconds.
    bool Wait(double seconds) const
    {
        return WaitForSingleObject(m_process.hProcess, static_cast<DWORD>(seconds * 1000)) == WAIT_OBJECT_0;
    }
    // The tree of Quillet.exe's window on the workspace once it holds items
    // items, with its frame; null when it did not get there within seconds.
    HWND WaitForList(const std::string& workspace, unsigned items, double seconds)
    {
        const std::string title = "Quillet - " + fs::path(workspace).filename().string();
        for (const double start = Now(); Now() - start < seconds; Sleep(5))
        {
            m_frame = FindWindowA(nullptr, title.c_str());
            HWND client = m_frame ? FindWindowExA(m_frame, nullptr, "MDICLIENT", nullptr) : nullptr;
            HWND child = client ? FindWindowExA(client, nullptr, nullptr, nullptr) : nullptr;
            HWND view = child ? FindWindowExA(child, nullptr, nullptr, nullptr) : nullptr;
            HWND columns = view ? FindWindowExA(view, nullptr, nullptr, nullptr) : nullptr;
            HWND tree = columns ? FindWindowExA(columns, nullptr, WC_TREEVIEWA, nullptr) : nullptr;
            if (tree && static_cast<unsigned>(SendMessageA(tree, TVM_GETCOUNT, 0, 0)) == items)
                return tree;
        }
        return nullptr;
    }
    HWND Frame() const { return m_frame; }

private:
    PROCESS_INFORMATION m_process{};
    HANDLE m_nowhere = INVALID_HANDLE_VALUE;
    HWND m_frame = nullptr;
};

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// Seconds from starting Quillet.exe on the workspace to a tree of items
// items; negative when it did not get there.
double OpenFromOutside(const std::string& program, const std::string& workspace, unsigned items)
{
    const double start = Now();
    Started quillet(Quoted(program) + " " + Quoted(workspace));
    return quillet.Running() && quillet.WaitForList(workspace, items, 120) ? Now() - start : -1;
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
    CProjectReader(table, FrontEnd::Standalone, {GetLineCount, GetCommentCount}).ReadWorkspace(workspace, error);
    return Now() - start;
}

// Seconds of Reindent over every file of the one project of the workspace
// in a running Quillet.exe, from the command to its end.
double BatchInProgram(const std::string& program, const std::string& workspace, unsigned items)
{
    Started quillet(Quoted(program) + " " + Quoted(workspace));
    HWND tree = quillet.Running() ? quillet.WaitForList(workspace, items, 120) : nullptr;
    if (!tree)
        return -1;
    const LPARAM project = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, project);
    const double start = Now();
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(quillet.Frame(), WM_COMMAND, kReindent, 0, SMTO_NORMAL, 600000, &answer))
        return -1;
    return Now() - start;
}

// Seconds of the same Reindent by the command-line tool.
double BatchInCli(const std::string& cli, const std::string& workspace, const char* jobs)
{
    const double start = Now();
    Started run(Quoted(cli) + " batch " + Quoted(workspace) + " --command reindent --jobs " + jobs);
    return run.Running() && run.Wait(600) ? Now() - start : -1;
}

// Whether a run left the sources reindented; then writes them flat again.
bool Reindented(const fs::path& project, int files)
{
    std::ifstream text(project / "f0.c", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(text)), std::istreambuf_iterator<char>());
    for (int file = 0; file < files; ++file)
        WriteSource(project / ("f" + std::to_string(file) + ".c"), false);
    return bytes.find("{\r\n    return") != std::string::npos || bytes.find("{\r\n\treturn") != std::string::npos;
}

} // namespace

int main(int argc, char** argv)
{
    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const fs::path here = fs::path(module).parent_path();
    const std::string program = argc > 1 ? argv[1] : (here / "Quillet.exe").string();
    const std::string cli = argc > 2 ? argv[2] : (here / "quillet-cli.exe").string();
    const fs::path root = fs::temp_directory_path() / "quillet-app-bench";
    fs::remove_all(root);
    bool failed = false;
    const auto report = [&failed](double seconds)
    {
        failed = failed || seconds < 0;
        return seconds;
    };

    const std::string small = Generate(root / "small", 20, 100, true);
    const double outside = report(Median(kRuns, [&] { return OpenFromOutside(program, small, 2020); }));
    std::printf("Quillet.exe, 2,000 files: start to filled list %.3f s (target under 1 s)\n", outside);
    std::printf("of which reading and counting: %.3f s\n", Median(kRuns, [&] { return ReadOnly(small); }));

    // The same files as a solution.
    const std::string solution = (fs::path(small).parent_path() / "bench.sln").string();
    unsigned items = 0;
    const double asWorkspace = report(Median(kRuns, [&] { return OpenInProcess(small, items); }));
    const double asSolution = report(Median(kRuns, [&] { return OpenInProcess(solution, items); }));
    const double solutionOutside = report(Median(kRuns, [&] { return OpenFromOutside(program, solution, 2020); }));
    std::printf("the same files as a solution: in-process %.3f s against %.3f s (ratio %.2f), start to filled list "
                "%.3f s against %.3f s (ratio %.2f); target ratio 0.8 to 1.2\n",
                asSolution, asWorkspace, asSolution / asWorkspace, solutionOutside, outside, solutionOutside / outside);

    const std::string large = Generate(root / "large", 200, 100, true);
    unsigned smallItems = 0, largeItems = 0;
    const double smallOpen = report(Median(kRuns, [&] { return OpenInProcess(small, smallItems); }));
    const double largeOpen = report(Median(3, [&] { return OpenInProcess(large, largeItems); }));
    std::printf("in-process open and fill: %u items %.3f s, %u items %.3f s (target under 2 s); per item %.1f us "
                "and %.1f us (ratio %.2f, 1 is linear)\n",
                smallItems, smallOpen, largeItems, largeOpen, 1e6 * smallOpen / smallItems,
                1e6 * largeOpen / largeItems, (largeOpen / largeItems) / (smallOpen / smallItems));

    const int batchFiles = 2000;
    const std::string batch = Generate(root / "batch", 1, batchFiles, false);
    const fs::path project = root / "batch" / "p0";
    const auto measured = [&](const std::function<double()>& run)
    {
        const double seconds = run();
        return Reindented(project, batchFiles) ? seconds : -1;
    };
    const double inProgram =
        report(Median(3, [&] { return measured([&] { return BatchInProgram(program, batch, batchFiles + 1); }); }));
    const double inCli = report(Median(3, [&] { return measured([&] { return BatchInCli(cli, batch, "1"); }); }));
    const double inCliJobs = report(Median(3, [&] { return measured([&] { return BatchInCli(cli, batch, "2"); }); }));
    std::printf("Reindent of %d files: Quillet.exe %.3f s, quillet-cli.exe batch %.3f s with one job (ratio %.2f, "
                "target 1.5 at most), %.3f s with two\n",
                batchFiles, inProgram, inCli, inProgram / inCli, inCliJobs);
    fs::remove_all(root);
    return failed ? 1 : 0;
}
