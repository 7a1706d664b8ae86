#pragma once

#include <optional>
#include <string>
#include <vector>

// MSBuild's item specifications, as a .vcxproj writes them in Include=,
// Exclude= and Remove=: "%XX" escapes a character (%20 a blank, %3B a
// semicolon, %2A a literal '*'), '*' matches any run of characters within a
// name, '?' one character, and a "**" part any number of folders. Names are
// compared as Windows does: ignoring case, '\' and '/' alike.

// The text with each %XX escape replaced by its character.
std::string MsBuildUnescape(const std::string& spec);

// Whether spec holds a wildcard (an unescaped '*' or '?').
bool HasMsBuildWildcard(const std::string& spec);

// The files a wildcard spec names below the project's folder, sorted, each
// named relative to that folder as a project would write it: the spec's
// leading folders as written, then the matched folder and file names joined
// by '\'. Nothing when the spec would search a whole drive ("\**", "C:\**"),
// which MSBuild refuses too.
std::optional<std::vector<std::string>> ExpandMsBuildWildcard(const std::string& spec,
                                                              const std::string& projectDirectory);

// Whether the item name (already unescaped) is one that spec names: the same
// path once "." and "folder\.." parts are folded, or a match of its
// wildcards.
bool MsBuildSpecMatches(const std::string& spec, const std::string& itemName);
