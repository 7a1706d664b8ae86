// Throughput, linearity and peak memory of the formatting engine.
//
// The input is built at run time from the C++ standard library headers
// (whole files in path order until 4 MiB are reached), so nothing large is
// kept in the tree. Times are medians of several runs, measured as processor
// time of this single-threaded process, so that other work on a shared
// machine counts as little as possible.
//
// Usage: engine-bench [--warm-heap] [HEADERS]. By default freed memory goes
// back to the system as the C library decides, so large texts land in fresh
// pages on every run, as in a program that formats one large file; the
// engine asks for huge pages for them, since on a virtual machine small
// fresh pages can cost more than the formatting itself. --warm-heap keeps freed memory in the process, as in a
// long-running program that formats again and again (the add-in, Quillet.exe);
// its peak memory figures then include what earlier runs freed, so memory is
// judged by the default run.

#include "CodeFormatter.h"
#include "FormatCommandTable.h"

#include <malloc.h>
#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace
{
std::size_t g_resultBytes = 0; // keeps the results observable

std::string LoadHeaders(const std::string& folder, std::size_t limit)
{
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
    {
        if (entry.is_regular_file())
            files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    std::string text;
    for (const auto& file : files)
    {
        if (text.size() >= limit)
            break;
        std::ifstream in(file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        text += bytes.str();
    }
    return text;
}

// Processor time of the process, which formats on one thread only.
double CpuSeconds()
{
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

double SecondsToFormat(const std::string& text, const FormatOptions& options)
{
    const double start = CpuSeconds();
    CCodeFormatter formatter(text, options);
    if (!formatter.Format())
    {
        std::fprintf(stderr, "formatting failed\n");
        std::exit(1);
    }
    g_resultBytes += formatter.GetResult().size();
    return CpuSeconds() - start;
}

double MedianSeconds(const std::string& text, const FormatOptions& options, int runs)
{
    // One run first so that every timed run finds the allocator in the same
    // state.
    SecondsToFormat(text, options);
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(SecondsToFormat(text, options));
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Seconds per format, over enough repetitions to be well above the clock's
// resolution and the noise of a single allocation.
double SecondsPerFormat(const std::string& text, const FormatOptions& options, int repetitions)
{
    double total = 0;
    for (int i = 0; i < repetitions; ++i)
        total += SecondsToFormat(text, options);
    return total / repetitions;
}

// Medians for two sizes of one case, their runs taken in turn so that both
// meet the allocator and the caches in the same state.
std::pair<double, double> MedianSecondsInTurn(const std::string& quarter, const std::string& full,
                                              const FormatOptions& options, int runs)
{
    SecondsToFormat(quarter, options);
    const int repetitions = std::max(1, static_cast<int>(0.05 / std::max(SecondsToFormat(full, options), 1e-6)));
    std::vector<double> quarterTimes;
    std::vector<double> fullTimes;
    for (int i = 0; i < runs; ++i)
    {
        quarterTimes.push_back(SecondsPerFormat(quarter, options, 4 * repetitions));
        fullTimes.push_back(SecondsPerFormat(full, options, repetitions));
    }
    std::sort(quarterTimes.begin(), quarterTimes.end());
    std::sort(fullTimes.begin(), fullTimes.end());
    return {quarterTimes[quarterTimes.size() / 2], fullTimes[fullTimes.size() / 2]};
}

long PeakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The peak of the resident set since the last reset (Linux: VmHWM).
double PeakMegabytesSinceReset()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
    {
        if (line.compare(0, 6, "VmHWM:") == 0)
            return std::atof(line.c_str() + 6) * 1024 / 1e6;
    }
    return 0;
}

void ResetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

std::string Repeat(const std::string& piece, std::size_t count)
{
    std::string text;
    text.reserve(piece.size() * count);
    for (std::size_t i = 0; i < count; ++i)
        text += piece;
    return text;
}

struct LinearityCase
{
    const char* name;
    std::function<std::string(std::size_t)> make; // text for a given count
    std::size_t fullCount;
    FormatOptions options;
    // Where the rules make the output grow faster than the input, time and
    // memory are held against the output's size instead.
    bool byOutput = false;
};

std::size_t FormattedSize(const std::string& text, const FormatOptions& options)
{
    CCodeFormatter formatter(text, options);
    return formatter.Format() ? formatter.GetResult().size() : 0;
}
} // namespace

int main(int argc, char** argv)
{
    const bool warmHeap = argc > 1 && std::strcmp(argv[1], "--warm-heap") == 0;
    if (warmHeap)
    {
        // The largest threshold the C library takes; the texts stay below it.
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
        ++argv;
        --argc;
    }
    const std::string folder = argc > 1 ? argv[1] : "/usr/include/c++/12";
    const std::string input = LoadHeaders(folder, 4u << 20);
    const double megabytes = static_cast<double>(input.size()) / 1e6;
    std::printf("input: %zu bytes from %s%s\n\n", input.size(), folder.c_str(), warmHeap ? ", warm heap" : "");

    const FormatOptions unchanged;
    FormatOptions reindent;
    ApplySpecialFormatValues(reindent, FindFormatCommandSet("reindent")->values);
    FormatOptions everything;
    everything.ParenthesesSpace = Spacing::Space;
    everything.OperatorSpace = Spacing::Space;
    everything.OpenNewLineStyle = BracePlacement::OwnLine;
    everything.CloseNewLineStyle = BracePlacement::OwnLine;
    everything.OpenIndentStyle = BraceIndent::Indent;
    everything.CloseIndentStyle = BraceIndent::Indent;
    everything.SpaceTabStyle = TabConversion::TabsToSpaces;
    everything.DeleteTrailingWhiteSpace = OnOff::On;
    everything.RecalculateIndents = OnOff::On;

    const struct
    {
        const char* name;
        const FormatOptions& options;
        double target;
    } throughput[] = {
        {"(a) no-change options", unchanged, 0},
        {"(b) reindent command", reindent, 150},
        {"(c) every option on", everything, 80},
    };
    std::printf("%-26s %10s %10s %8s\n", "throughput", "median ms", "MB/s", "target");
    for (const auto& run : throughput)
    {
        const double seconds = MedianSeconds(input, run.options, 9);
        std::printf("%-26s %10.1f %10.1f %8s\n", run.name, seconds * 1e3, megabytes / seconds,
                    run.target > 0 ? (">= " + std::to_string(static_cast<int>(run.target))).c_str() : "-");
    }
    const long peak = PeakKilobytes();
    const double allowed = 4 * megabytes + 50;
    std::printf("\npeak memory: %.1f MB (allowed 4 x input + 50 = %.1f MB)\n\n", peak / 1024.0 * 1.048576, allowed);

    FormatOptions spacing;
    spacing.OperatorSpace = Spacing::Space;
    spacing.ParenthesesSpace = Spacing::Space;
    FormatOptions openNewLine;
    openNewLine.OpenNewLineStyle = BracePlacement::OwnLine;
    FormatOptions sameLine;
    sameLine.OpenNewLineStyle = BracePlacement::Joined;
    sameLine.CloseNewLineStyle = BracePlacement::Joined;
    FormatOptions untabify;
    untabify.SpaceTabStyle = TabConversion::TabsToSpaces;
    FormatOptions tabify;
    tabify.SpaceTabStyle = TabConversion::SpacesToTabs;
    FormatOptions indentOnly;
    indentOnly.RecalculateIndents = OnOff::On;

    FormatOptions openJoined;
    openJoined.OpenNewLineStyle = BracePlacement::Joined;
    FormatOptions openJoinedIndented = openJoined;
    openJoinedIndented.RecalculateIndents = OnOff::On;
    FormatOptions closeJoined;
    closeJoined.CloseNewLineStyle = BracePlacement::Joined;
    FormatOptions closeOwnLine;
    closeOwnLine.CloseNewLineStyle = BracePlacement::OwnLine;
    FormatOptions bothOwnLine = closeOwnLine;
    bothOwnLine.OpenNewLineStyle = BracePlacement::OwnLine;
    FormatOptions bothOwnLineIndented = bothOwnLine;
    bothOwnLineIndented.RecalculateIndents = OnOff::On;

    const std::string code = "x=f(a,b)+c*(d-e);";
    const LinearityCase cases[] = {
        {"10 MB line, spacing on", [&](std::size_t n) { return Repeat(code, n / code.size()); }, 10000000, spacing},
        {"if (x) { / } lines", [](std::size_t n) { return Repeat("if (x) {\n}\n", n); }, 100000, openNewLine},
        {"if/{/x;/} lines, join", [](std::size_t n) { return Repeat("if (x)\n{\nx;\n}\n", n); }, 100000, sameLine},
        {"line of tabs", [](std::size_t n) { return Repeat("\t", n); }, 100000, untabify},
        {"line of 8-space runs", [](std::size_t n) { return Repeat("        x", n); }, 100000, tabify},
        {"line of a; statements", [](std::size_t n) { return Repeat("a;", n); }, 100000, indentOnly},
        // Brace moves and joins that edit one line again and again.
        {"{ lines, joined", [](std::size_t n) { return Repeat("{\n", n); }, 100000, openJoined},
        {"same, re-indented", [](std::size_t n) { return Repeat("{\n", n); }, 100000, openJoinedIndented},
        {"x; and } lines, joined", [](std::size_t n) { return "x;\n" + Repeat("}\n", n); }, 40000, closeJoined},
        {"line of a}, own lines", [](std::size_t n) { return Repeat("a}", n); }, 20000, closeOwnLine},
        {"line of a}b{, own lines", [](std::size_t n) { return Repeat("a}b{", n); }, 20000, bothOwnLine},
        {"same, re-indented", [](std::size_t n) { return Repeat("a}b{", n); }, 200000, bothOwnLineIndented},
        // Each brace one level deeper than the last: the output grows with the
        // square of the input.
        {"line of {, own lines *", [](std::size_t n) { return Repeat("{", n); }, 2000, openNewLine, true},
    };
    std::printf("%-26s %10s %10s %8s %8s %9s %9s\n", "linearity", "full ms", "1/4 ms", "ratio", "limit", "peak MB",
                "allowed");
    for (const auto& c : cases)
    {
        const std::string full = c.make(c.fullCount);
        // An output that grows with the square of the input is a quarter as
        // large for half the input, so both runs stay large enough to meet
        // memory in the same state.
        const std::string quarter = c.make(c.byOutput ? c.fullCount / 2 : c.fullCount / 4);
        ResetPeakMemory();
        const auto [quarterSeconds, fullSeconds] = MedianSecondsInTurn(quarter, full, c.options, 9);
        const double peak = PeakMegabytesSinceReset();
        double growth = 4;
        double size = static_cast<double>(full.size());
        if (c.byOutput)
        {
            size = static_cast<double>(FormattedSize(full, c.options));
            growth = size / static_cast<double>(FormattedSize(quarter, c.options));
        }
        std::printf("%-26s %10.2f %10.2f %8.2f %8s %9.1f %9.1f\n", c.name, fullSeconds * 1e3, quarterSeconds * 1e3,
                    fullSeconds / quarterSeconds * 4 / growth, "4.5", peak, 4 * size / 1e6 + 50);
    }
    std::printf("* against the output's size: the smaller run has half the input and about a quarter of the\n"
                "  output; the ratio is scaled to an output 4 times as large\n");
    return g_resultBytes == 0;
}
