#pragma once
// The list view as an item view over the model: rows are read only when they come into
// view (an owner-data list of any length scrolls without loading its rows), columns come
// from its header; clicks, double clicks, keys and header clicks reach the model as a
// user's, which decides selection and check state.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlListView.h"

class QTreeView;
class DesktopListViewRows;

class DesktopListViewPeer : public DesktopControlPeer<CtlListView> {
public:
    explicit DesktopListViewPeer(HWND hwnd);
    ~DesktopListViewPeer() override;
    QTreeView* View() const { return m_view; }
    void SyncState() override;
    void SyncStyle() override;

    // A user's click on a row (on its check box when `checkBox`), with Control and Shift.
    void UserClickRow(int row, bool checkBox, UINT keys);
    void UserDoubleClickRow(int row);

private:
    QTreeView* m_view;
    DesktopListViewRows* m_rows;
};
