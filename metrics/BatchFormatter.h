#pragma once

#include "BatchProgress.h"
#include "FileUtil.h"
#include "FrontEnd.h"
#include "MessageSink.h"
#include "MetricsTree.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// One source item of the metrics tree.
struct TargetItem
{
    std::size_t project;
    std::size_t file;

    bool operator==(const TargetItem& other) const { return project == other.project && file == other.file; }
};

// Formats one text; returns the result, or the empty text when formatting
// failed (the caller then keeps its file). The Windows front ends call the
// library's formatting exports with their progress dialog; the command line
// runs the engine with the sink it is given. The batch itself refuses a file
// holding a NUL byte, so a step never sees one.
using FormatStep = std::function<std::string(const std::string& text, IProgressSink& progress)>;

struct BatchSettings
{
    // Standalone: path = workspace folder + project's folder + item text;
    // AddIn: path = item data (project folder) + item text.
    FrontEnd frontEnd = FrontEnd::Standalone;
    std::string workspaceDirectory;  // Standalone only
    bool fullFormat = false;         // selects the write-failure prefix
    bool checkOnly = false;          // find what would change, write nothing, ask nothing
    std::string caption = "Quillet"; // of the write-failure question
    // Files read and formatted at once. The front ends keep one; with more,
    // files are read, formatted and their new bytes made ready ahead, while
    // the calling thread alone puts them in place, reports progress and
    // asks, in tree order.
    unsigned jobs = 1;
    // The real path of a folder: a file whose real path (links and ".."
    // resolved) is not below it is skipped. Empty: files may lie anywhere.
    std::string within;
};

struct BatchFileResult
{
    enum class Outcome
    {
        Written,
        Unchanged,      // the result equals the text
        WouldChange,    // check only
        NotFormattable, // extension not one of FormattableExtensions
        Unreadable,     // skipped: the file could not be read
        HoldsNul,       // skipped: the engine would cut the text at the NUL
        EngineFailed,   // the engine gave no result; the file is kept
        WriteFailed,    // the file could not be replaced and stays as it was
        Outside         // skipped: its real path is not below BatchSettings::within
    };

    std::string itemText;
    std::string path;
    Outcome outcome;
    std::string error;
    std::size_t firstChangedLine = 0; // WouldChange: where the file would first change
};

struct BatchReport
{
    std::vector<BatchFileResult> files;
    bool cancelled = false; // by the cancel flag
    bool stopped = false;   // by a No to the write-failure question
};

// Reformats in place every source item that is selected itself or whose
// project is selected, each once, in tree order.
class CBatchFormatter
{
public:
    CBatchFormatter(const IMetricsTree& tree, BatchSettings settings, FormatStep format, IBatchProgress& progress,
                    IMessageSink& messages);

    BatchReport BatchFormat();

    // The next item to process after previous (none: from the start).
    static std::optional<TargetItem> NextTargetItem(const IMetricsTree& tree,
                                                    const std::optional<TargetItem>& previous);

    std::string FullPath(const TargetItem& item) const;

    // The question's text when the item's file cannot be written.
    std::string WriteFailureText(const std::string& itemText) const;

private:
    // One file read and formatted, its new bytes made ready beside it,
    // waiting to be put in its place.
    struct PreparedItem
    {
        BatchFileResult result;
        std::string nativePath;
        bool announced = false; // read, so word that it started is due
        bool rewrite = false;   // the file changes
        bool ready = false;     // its replacement was prepared (else result.error says why not)
        CFileReplacement replacement;
    };

    // Reads and formats the item's file. progress is the dialog on the
    // calling thread, null on a worker, which must not touch it.
    PreparedItem PrepareItem(BatchFileResult result, IBatchProgress* progress) const;
    BatchFileResult FinishItem(PreparedItem prepared) const;
    // Whether the run goes on after result; false when the user stops it.
    bool Proceeds(const BatchFileResult& result, BatchReport& report) const;
    // The item's name and path, its outcome yet to come.
    BatchFileResult Named(const TargetItem& item) const;
    void FormatInTurn(BatchReport& report);
    void FormatAhead(BatchReport& report);

    const IMetricsTree& m_tree;
    BatchSettings m_settings;
    FormatStep m_format;
    IBatchProgress& m_progress;
    IMessageSink& m_messages;
};
