#pragma once
// The tree view as a tree widget: items, expansion and the selected item come from the
// model; clicks on items and on their buttons and the keys reach the model as a user's.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlTreeView.h"

class QTreeWidget;
class QTreeWidgetItem;

class DesktopTreeViewPeer : public DesktopControlPeer<CtlTreeView> {
public:
    explicit DesktopTreeViewPeer(HWND hwnd);
    QTreeWidget* Tree() const { return m_tree; }
    void SyncState() override;

    void UserClickItem(HTREEITEM item, bool onButton);
    void UserDoubleClickItem(HTREEITEM item);

private:
    void Fill(QTreeWidgetItem* parent, const CtlTreeView::Item& item);
    QTreeWidget* m_tree;
};
