#pragma once

#include <string>
#include <sys/types.h>

// The named temporary files a rewrite of NAME may make beside it, where
// there is no Win32: NAME.quillet-XXXXXX (six letters or digits, from
// mkstemp) where the folder refuses an unnamed file, and NAME.quillet-PID-N
// for the moment an unnamed file is given a name to be renamed over NAME. A
// run killed at the wrong moment leaves one behind; the next rewrite of NAME
// removes it.

// The mkstemp template for target's temporary file.
std::string TemporaryTemplate(const std::string& target);

// The name an unnamed temporary file of target takes, attempt-th try.
std::string LinkedTemporaryName(const std::string& target, pid_t process, unsigned attempt);

// Whether entry (a name in target's folder) is one of the two forms above
// for target's own name, and nothing else.
bool IsTemporaryNameOf(const std::string& entry, const std::string& targetName);

// Removes the temporary files of target that a killed run left: a file of
// one of the two forms that is a regular file of this user with no other
// link and that no live run holds locked (a rewrite locks its temporary file
// from its creation to its rename). A folder is listed once per process.
void RemoveLeftTemporaries(const std::string& target);
