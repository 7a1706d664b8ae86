// Quillet's entry point: starts the program with the shell's show state and arguments, then runs its loop.
#include "QuilletApp.h"

#include <cstdlib>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand)
{
    CQuilletApp app;
    app.m_showCommand = showCommand;
    const std::vector<std::string> args(__argv + 1, __argv + __argc);
    if (!app.InitInstance(args))
        return app.ExitCode();
    return app.Run();
}
