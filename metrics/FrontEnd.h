#pragma once

// Which front end a run of the shared metrics code serves, where the two
// differ: how the list names projects and finds files, the write-failure
// question's wording, the printed report's font and line step, the progress
// dialog's caption and status line. The command line reads and formats as
// the standalone program does.
enum class FrontEnd
{
    Standalone, // Quillet.exe
    AddIn       // QLAddIn.dll inside Developer Studio
};
