// Throughput of the counters, and wall time of "quillet-cli metrics" and
// "quillet-cli batch --command reindent" over a generated workspace of 20
// projects and 2,000 files, against the engine's own time for the same text;
// "quillet-cli metrics" also over a solution of the same files in .vcxproj
// projects.
//
// Counter figures are for a file already in the page cache (it is read once
// before timing); each figure is the best of several runs, so that other
// work on a shared machine counts as little as possible.

#include "CodeFormatter.h"
#include "LineCounter.h"
#include "ProjectReader.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace
{

namespace fs = std::filesystem;

double Now()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

template <class F> double BestSeconds(int runs, F&& run)
{
    double best = 1e9;
    for (int i = 0; i < runs; ++i)
    {
        const double start = Now();
        run();
        best = std::min(best, Now() - start);
    }
    return best;
}

void WriteFile(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// A C source of about lines lines, CR LF, with line and block comments and
// flat (unindented) bodies for the re-indenter to work on.
std::string SourceText(std::mt19937& random, int lines)
{
    std::string text = "/* generated source\r\n   for the benchmark */\r\n#include <stdio.h>\r\n\r\n";
    int n = 4;
    int function = 0;
    while (n < lines)
    {
        text += "// function " + std::to_string(function) + "\r\nint f" + std::to_string(function) +
                "(int a, int b)\r\n{\r\nint s = 0;\r\n";
        n += 4;
        const int body = 4 + static_cast<int>(random() % 12);
        for (int i = 0; i < body; ++i, ++n)
        {
            switch (random() % 4)
            {
            case 0:
                text += "if (a > b) s += a * b; /* product */\r\n";
                break;
            case 1:
                text += "for (int i = 0; i < a; i++)\r\ns = s + i; // sum\r\n";
                ++n;
                break;
            case 2:
                text += "printf(\"%d // not a comment\\n\", s);\r\n";
                break;
            default:
                text += "s = (s << 1) ^ b;\r\n";
                break;
            }
        }
        text += "return s;\r\n}\r\n\r\n";
        n += 3;
        ++function;
    }
    return text;
}

std::string ProjectText(int project, int files)
{
    std::string text = "# Microsoft Developer Studio Project File - Name=\"p" + std::to_string(project) +
                       "\" - Package Owner=<4>\r\n# Begin Project\r\n# Begin Target\r\n"
                       "# Begin Group \"Source Files\"\r\n\r\n";
    for (int f = 0; f < files; ++f)
        text += "# Begin Source File\r\n\r\nSOURCE=.\\file" + std::to_string(f) + (f % 10 == 9 ? ".h" : ".c") +
                "\r\n# End Source File\r\n";
    return text + "# End Group\r\n# End Target\r\n# End Project\r\n";
}

// The same project as MSBuild writes it, each file one item.
std::string MsBuildProjectText(int files)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<Project DefaultTargets=\"Build\" "
                       "xmlns=\"http://schemas.microsoft.com/developer/msbuild/2003\">\r\n  <ItemGroup>\r\n";
    for (int f = 0; f < files; ++f)
        text += std::string("    <") + (f % 10 == 9 ? "ClInclude" : "ClCompile") + " Include=\"file" +
                std::to_string(f) + (f % 10 == 9 ? ".h" : ".c") + "\" />\r\n";
    return text + "  </ItemGroup>\r\n</Project>\r\n";
}

int Run(const std::string& command)
{
    return std::system(command.c_str());
}

} // namespace

int main()
{
    const fs::path root =
        fs::temp_directory_path() / ("quillet-metrics-bench-" + std::to_string(std::random_device()()));
    fs::create_directories(root);
    std::mt19937 random(42);

    // Counters over one 64 MiB file.
    std::string big;
    while (big.size() < 64u << 20)
        big += SourceText(random, 2000);
    WriteFile(root / "big.c", big);
    const std::string dir = root.string() + "/";
    int lines = CLineCounter::GetLineCount(dir, "big.c");
    int comments = 0;
    const double lineSeconds = BestSeconds(5, [&] { lines = CLineCounter::GetLineCount(dir, "big.c"); });
    const double commentSeconds = BestSeconds(5, [&] { comments = CLineCounter::GetCommentCount(dir, "big.c"); });
    const double mb = static_cast<double>(big.size()) / 1e6;
    std::printf("GetLineCount     %8.0f MB/s  (%d lines in %.1f MB)\n", mb / lineSeconds, lines, mb);
    std::printf("GetCommentCount  %8.0f MB/s  (%d comments)\n", mb / commentSeconds, comments);
    std::printf("  in memory: CountLines %.0f MB/s, CountComments %.0f MB/s\n",
                mb / BestSeconds(5, [&] { lines = CLineCounter::CountLines(big.data(), big.size()); }),
                mb / BestSeconds(5, [&] { comments = CLineCounter::CountComments(big.data(), big.size()); }));
    fs::remove(root / "big.c");

    // The same over a 1 MiB file, nearer the size of real sources.
    WriteFile(root / "one.c", big.substr(0, 1u << 20));
    const double oneMb = static_cast<double>(1u << 20) / 1e6;
    CLineCounter::GetLineCount(dir, "one.c");
    std::printf("1 MiB file: GetLineCount %.0f MB/s, GetCommentCount %.0f MB/s\n",
                oneMb / BestSeconds(50, [&] { lines = CLineCounter::GetLineCount(dir, "one.c"); }),
                oneMb / BestSeconds(50, [&] { comments = CLineCounter::GetCommentCount(dir, "one.c"); }));
    fs::remove(root / "one.c");

    // A workspace of 20 projects with 100 files each.
    const fs::path ws = root / "ws";
    std::string workspace = "Microsoft Developer Studio Workspace File, Format Version 6.00\r\n";
    std::string solution = "\xEF\xBB\xBF\r\nMicrosoft Visual Studio Solution File, Format Version 12.00\r\n";
    std::string allText;
    std::size_t bytes = 0;
    for (int p = 0; p < 20; ++p)
    {
        const std::string name = "p" + std::to_string(p);
        workspace +=
            "\r\n###\r\n\r\nProject: \"" + name + "\"=.\\" + name + "\\" + name + ".dsp - Package Owner=<4>\r\n";
        WriteFile(ws / name / (name + ".dsp"), ProjectText(p, 100));
        solution += "Project(\"{8BC9CEB8-8B4A-11D0-8D11-00A0C91BC942}\") = \"" + name + "\", \"" + name + "\\" + name +
                    ".vcxproj\", \"{00000000-0000-0000-0000-0000000000" + std::to_string(10 + p) +
                    "}\"\r\nEndProject\r\n";
        WriteFile(ws / name / (name + ".vcxproj"), MsBuildProjectText(100));
        for (int f = 0; f < 100; ++f)
        {
            const std::string text = SourceText(random, 150 + static_cast<int>(random() % 300));
            WriteFile(ws / name / ("file" + std::to_string(f) + (f % 10 == 9 ? ".h" : ".c")), text);
            allText += text;
            bytes += text.size();
        }
    }
    WriteFile(ws / "ws.dsw", workspace);
    WriteFile(ws / "ws.sln", solution);
    std::printf("workspace: 20 projects, 2000 files, %.1f MB\n", static_cast<double>(bytes) / 1e6);

    // Both counters over every file of the workspace, as the reader calls them.
    const double countSeconds =
        BestSeconds(3,
                    [&]
                    {
                        for (int p = 0; p < 20; ++p)
                        {
                            const std::string projectDir = (ws / ("p" + std::to_string(p))).string() + "/";
                            for (int f = 0; f < 100; ++f)
                            {
                                const std::string name = "file" + std::to_string(f) + (f % 10 == 9 ? ".h" : ".c");
                                lines += CLineCounter::GetLineCount(projectDir, name);
                                comments += CLineCounter::GetCommentCount(projectDir, name);
                            }
                        }
                    });
    std::printf("both counters over the 2000 files: %.0f MB/s (%.3f s)\n",
                static_cast<double>(bytes) / 1e6 / countSeconds, countSeconds);

    const std::string cli = QUILLET_CLI_PATH;
    const std::string dsw = (ws / "ws.dsw").string();
    const double metricsSeconds = BestSeconds(3, [&] { Run("'" + cli + "' metrics '" + dsw + "' > /dev/null"); });
    std::printf("quillet-cli metrics            %6.3f s\n", metricsSeconds);
    const std::string sln = (ws / "ws.sln").string();
    std::printf("quillet-cli metrics (.sln)     %6.3f s  (the same files in 20 .vcxproj projects)\n",
                BestSeconds(3, [&] { Run("'" + cli + "' metrics '" + sln + "' > /dev/null"); }));
    // The readers alone, no file counted: what a solution costs over a workspace.
    for (const std::string& file : {dsw, sln})
    {
        const double readSeconds = BestSeconds(
            5,
            [&]
            {
                MetricsTable table;
                std::string error;
                CProjectReader(table, FrontEnd::Standalone, SourceCounters::None()).ReadWorkspace(file, error);
            });
        std::printf("  reading %s alone: %.1f ms\n", fs::path(file).filename().string().c_str(), readSeconds * 1e3);
    }

    // The engine alone over the same text as one run per file, reindent options.
    FormatOptions options;
    options.RecalculateIndents = OnOff::On;
    std::string fileText;
    double engineSeconds = 0;
    for (std::size_t start = 0; start < allText.size();)
    {
        std::size_t end = allText.find("/* generated source", start + 1);
        if (end == std::string::npos)
            end = allText.size();
        std::string text;
        for (std::size_t i = start; i < end; ++i)
        {
            if (allText[i] != '\r')
                text += allText[i];
        }
        const double begin = Now();
        CCodeFormatter formatter(text, options);
        formatter.Format();
        fileText = formatter.GetResult();
        engineSeconds += Now() - begin;
        start = end;
    }
    std::printf("engine alone (reindent)        %6.3f s\n", engineSeconds);

    const double checkSeconds = BestSeconds(
        1, [&]
        { Run("'" + cli + "' batch '" + dsw + "' --command reindent --check --settings /dev/null > /dev/null 2>&1"); });
    std::printf("quillet-cli batch --check      %6.3f s (reads and formats, writes nothing)\n", checkSeconds);

    const double batchStart = Now();
    const int status = Run("'" + cli + "' batch '" + dsw + "' --command reindent --settings /dev/null 2> /dev/null");
    const double batchSeconds = Now() - batchStart;
    std::printf("quillet-cli batch --command reindent %6.3f s (exit %d, %.0f%% of it in the engine)\n", batchSeconds,
                status, 100.0 * engineSeconds / batchSeconds);

    fs::remove_all(root);
    return 0;
}
