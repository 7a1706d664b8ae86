// The library's message boxes are scripted with the test program's own.
#include "LibrarySeams.h"
#include "win/MessageBoxScript.h"

namespace
{
const ScriptedSeam library(&SetLibraryMessageBoxHandler);
}
