#pragma once

#include <windows.h>

#include <string>

// The temporary file a rewrite writes beside its file on Windows before it
// replaces the file: "~quillet-PID-N.tmp" in the file's folder, PID the
// writing process. It is held open, shared with nobody, while it is written,
// and replaces the file at once after. A run killed in between leaves it
// behind; the first rewrite into that folder by a later run removes it.
class CTemporarySibling
{
public:
    // A new file in folder (empty, or ending in a separator), open for
    // writing; IsOpen is false when none could be made.
    explicit CTemporarySibling(const std::string& folder);
    // Closes the file and, unless it was kept, deletes it.
    ~CTemporarySibling();
    CTemporarySibling(const CTemporarySibling&) = delete;
    CTemporarySibling& operator=(const CTemporarySibling&) = delete;

    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    HANDLE Handle() const { return m_handle; }
    const std::string& Path() const { return m_path; }
    // Closes the written file for its move; false when the close fails.
    bool Close();
    // The file has taken its target's place: nothing is left to delete.
    void Keep() { m_path.clear(); }

    // Removes the folder's temporaries whose process has ended and that no
    // process holds open; the files they were meant for are never touched.
    // A folder is listed once per process: listing a large folder for each
    // of its files would make a run's time grow with the square of their
    // number, and what a killed run left is there at the first listing.
    static void RemoveLeftovers(const std::string& folder);

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    std::string m_path; // empty when there is nothing to delete
};
