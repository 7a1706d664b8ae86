#pragma once

#include "BatchFormatter.h"

#include <functional>

class CColumnTree;
class CWnd;
struct FormatCommandSet;

// A batch command of a Windows front end over the selection of its metrics
// tree, run the same way in both: under a progress dialog with the front
// end's caption, owned by parent (null: the main window); each file
// formatted through QLShared.dll's exports; a file that cannot be written
// asked about over the progress dialog; once the dialog is gone, the files
// it skipped named over the window the run returns to.
class CBatchRun
{
public:
    // What the front end does with the outcome before the skipped files are
    // named: the program shows the new counts and says what changed.
    using Finished = std::function<void(const BatchReport&)>;

    // settings gives the front end, its workspace folder and its caption;
    // whether the run is a full format, the command says.
    static void Run(const CColumnTree& tree, const FormatCommandSet& command, BatchSettings settings, CWnd* parent,
                    const Finished& finished = nullptr);
};
