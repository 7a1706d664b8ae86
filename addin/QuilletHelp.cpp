// The add-in's help command: the help file from the installation folder, or the manual installed beside it.
#include "QuilletHelp.h"

#include "HelpFile.h"
#include "HelpViewerSeam.h"
#include "QLShared.h"

void ShowQuilletHelp()
{
    const CHelpFile help(GetHelpFilePath());
    // With neither file the viewer is asked all the same: it names the
    // help file that is missing.
    if (help.Show(nullptr, HELP_CONTENTS, "Quillet") == CHelpFile::Shown::Nothing)
        ShowHelpViewer(nullptr, help.Path().c_str(), HELP_CONTENTS, 0);
}
