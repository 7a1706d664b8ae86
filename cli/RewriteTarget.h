#pragma once

#include <string>

// The path under which a file named on the command line is rewritten: a
// symbolic link is followed, since the new file would otherwise replace the
// link and leave its target with the old text; on Windows the path is made
// full, since Wine's ReplaceFile refuses a bare name in the current folder.
// Names stay in the system's own narrow encoding (the ANSI code page on
// Windows) throughout. Returns the path unchanged when it cannot be resolved.
std::string RewriteTarget(const std::string& path);
