#pragma once

#include "FrontEnd.h"
#include "ProgressDlgRes.h"

#include <windows.h>

// The progress dialog's default caption in each front end's resources.
constexpr UINT ProgressCaptionId(FrontEnd frontEnd)
{
    return frontEnd == FrontEnd::AddIn ? IDS_PROGRESS_CAPTION_ADDIN : IDS_PROGRESS_CAPTION_STANDALONE;
}
