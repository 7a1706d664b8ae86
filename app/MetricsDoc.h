#pragma once

#include "Document.h"
#include "MetricsTable.h"

struct BatchReport;

#include <string>

// One opened workspace or solution: its projects and source files with their
// counts, read when it is opened and counted again where a batch rewrote
// files. It is never saved.
class CMetricsDoc : public CDocument
{
public:
    bool OnOpenDocument(const std::string& path, std::string& error) override;

    // False for a new empty document (Ctrl+N).
    bool IsLoaded() const { return m_loaded; }
    const MetricsTable& Table() const { return m_table; }
    // The workspace or solution file's folder, with its last backslash.
    const std::string& WorkspaceDirectory() const { return m_workspaceDirectory; }

    // After a batch over this workspace's files: the files it rewrote are
    // counted again, and every view shows their rows and their projects'
    // totals anew.
    void OnFilesRewritten(const BatchReport& report);

private:
    MetricsTable m_table;
    std::string m_workspaceDirectory;
    bool m_loaded = false;
};
