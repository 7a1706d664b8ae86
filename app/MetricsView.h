#pragma once

#include "ColumnTree.h"
#include "View.h"

#include <vector>

struct FormatCommandSet;
class CMetricsDoc;

// The metrics list of a workspace: projects and their source files with
// their line and comment counts in a tree with columns. Its selection is
// what the Format menu's commands reformat.
class CMetricsView : public CView
{
public:
    CMetricsView();

    // Adds the count columns and appends the document's rows; the tree is
    // not emptied first.
    void FillTree();
    // Shows the document's counts of these table rows again.
    void UpdateRows(const std::vector<std::size_t>& rows);
    CColumnTree& Tree() { return m_tree; }
    CMetricsDoc& GetMetricsDoc() const;

    // Every view of a loaded workspace shows its list, a window opened later
    // on it too; a new empty document's view stays an empty tree.
    void OnInitialUpdate() override;

    bool OnCommand(UINT id) override;
    bool OnUpdateCommand(CCmdUI& ui) override;

    // The list prints as a report of its projects and files.
    bool CanPrint() const override { return true; }
    std::unique_ptr<IPrintedPages> OnPreparePrinting() override;

protected:
    bool OnCreateView() override;
    void OnSize(int width, int height) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // Runs the batch command commandId over the list's selection, then
    // shows the new counts and says in the status bar what it did.
    void BatchFormat(UINT commandId, const FormatCommandSet& command);

    CColumnTree m_tree;
};
