#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The most recently opened files, newest first, kept in the user's profile
// (values "File1", "File2", ... of one registry key under HKEY_CURRENT_USER)
// and shown in the File menu in place of its "Recent File" item.
class CRecentFileList
{
public:
    CRecentFileList(std::string keyPath, std::size_t size);

    void Load();
    // Puts path first (once), drops what falls off the end, saves the list.
    void Add(const std::string& path);
    // Takes an entry out (its file could not be opened) and saves the list.
    void Remove(std::size_t index);

    const std::vector<std::string>& Files() const { return m_files; }

    // Replaces the recent-file items of a File menu by the list; a menu
    // without them is left alone.
    void UpdateMenu(HMENU popup) const;

private:
    void Save() const;

    std::string m_keyPath;
    std::size_t m_size;
    std::vector<std::string> m_files;
};
