#pragma once

#include "Document.h"
#include "MetricsTable.h"

#include <string>

// One opened workspace or solution: its projects and source files with their counts, read
// once when it is opened. It is never saved or changed.
class CMetricsDoc : public CDocument
{
public:
    bool OnOpenDocument(const std::string& path, std::string& error) override;

    // False for a new empty document (Ctrl+N).
    bool IsLoaded() const { return m_loaded; }
    const MetricsTable& Table() const { return m_table; }
    // The workspace or solution file's folder, with its last backslash.
    const std::string& WorkspaceDirectory() const { return m_workspaceDirectory; }

private:
    MetricsTable m_table;
    std::string m_workspaceDirectory;
    bool m_loaded = false;
};
