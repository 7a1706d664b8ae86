// The paths of the files dropped on a window, in the order the shell gives them.
#include "DroppedFiles.h"

std::vector<std::string> DroppedFiles(HDROP drop)
{
    std::vector<std::string> paths;
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT index = 0; index < count; ++index)
    {
        char path[MAX_PATH] = {};
        DragQueryFileA(drop, index, path, MAX_PATH);
        paths.push_back(path);
    }
    DragFinish(drop);
    return paths;
}
