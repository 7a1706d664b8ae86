#pragma once

#include <optional>
#include <string>
#include <vector>

// MSBuild's item patterns, as a .vcxproj writes them in Include=,
// Exclude= and Remove=: "%XX" escapes a character (%20 a blank, %3B a
// semicolon, %2A a literal '*'), '*' matches any run of characters within a
// name, '?' one character, and a "**" part any number of folders. Names are
// compared as Windows does: ignoring case, '\' and '/' alike.

// The text with each %XX escape replaced by its character.
std::string MsBuildUnescape(const std::string& pattern);

// Whether pattern holds a wildcard (an unescaped '*' or '?').
bool HasMsBuildWildcard(const std::string& pattern);

// The files a wildcard pattern names below the project's folder, sorted, each
// named relative to that folder as a project would write it: the pattern's
// leading folders as written, then the matched folder and file names joined
// by '\'. Nothing when the pattern would search a whole drive ("\**", "C:\**"),
// which MSBuild refuses too.
std::optional<std::vector<std::string>> ExpandMsBuildWildcard(const std::string& pattern,
                                                              const std::string& projectDirectory);

// Whether the item name (already unescaped) is one that pattern names: the same
// path once "." and "folder\.." parts are folded, or a match of its
// wildcards.
bool MsBuildPatternMatches(const std::string& pattern, const std::string& itemName);
