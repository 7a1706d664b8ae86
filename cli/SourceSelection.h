#pragma once

#include "CliCommand.h"
#include "GlobPattern.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

// Which files a command works on: the FILEs and folders it was given, those
// listed by --files-from, less those --exclude names. A folder stands for
// the files below it whose extension is taken, hidden folders (".git") and
// linked folders left out; a FILE named outright is taken whatever its
// extension. Files come in the order given, each folder's sorted by path.
class CSourceSelection
{
public:
    // defaultExtensions: lower case, without dots.
    explicit CSourceSelection(std::vector<std::string> defaultExtensions);

    // --extensions LIST, --exclude PATTERN, --files-from FILE.
    static std::vector<CliOption> Options();

    // Takes argument when it is an operand or one of Options(). False when
    // it is neither, or when its value is bad (error says why).
    bool Take(const CliArgument& argument, std::string& error);

    // The extensions taken from folders, lower case.
    const std::vector<std::string>& Extensions() const { return m_extensions; }

    // Whether anything names files: an operand or --files-from.
    bool NamesFiles() const { return !m_operands.empty() || m_filesFrom; }

    // The files, as paths to open and show. problems gets "PATH: cause" for
    // a folder that cannot be read; false when --files-from cannot be read
    // (problems then holds that).
    bool Collect(std::istream& in, std::vector<std::string>& files, std::vector<std::string>& problems) const;

    // The help lines of Options().
    static const char* HelpText();

private:
    bool IsExcluded(const std::string& path) const;
    bool HasTakenExtension(const std::string& name) const;
    void Walk(const std::string& folder, std::vector<std::string>& files, std::vector<std::string>& problems) const;
    void AddOperand(const std::string& operand, std::vector<std::string>& files,
                    std::vector<std::string>& problems) const;

    std::vector<std::string> m_extensions;
    std::vector<CGlobPattern> m_excludes;
    std::vector<std::string> m_operands;
    std::optional<std::string> m_filesFrom;
};
