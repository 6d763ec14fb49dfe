#include "desktop/DesktopListViewPeer.h"

#include "desktop/DesktopBackend.h"
#include "desktop/DesktopKeys.h"
#include "desktop/DesktopListViewRows.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeView>

namespace {

// Mouse and keys go to the model; the view only shows what it made of them.
class RowsView : public QTreeView {
public:
    explicit RowsView(HWND hwnd) : m_hwnd(hwnd) {}

protected:
    DesktopListViewPeer* Peer() const
    {
        return dynamic_cast<DesktopListViewPeer*>(DesktopBackend::Instance().FindPeer(m_hwnd));
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        QModelIndex hit = indexAt(event->position().toPoint());
        DesktopListViewPeer* peer = Peer();
        if (hit.isValid() && event->button() == Qt::LeftButton && peer) {
            QRect cell = visualRect(hit);
            // The check box sits at the start of the first column.
            bool onBox = hit.column() == 0 && event->position().x() < cell.left() + 20;
            peer->UserClickRow(hit.row(), onBox, (event->modifiers() & Qt::ControlModifier ? MK_CONTROL : 0) |
                                                     (event->modifiers() & Qt::ShiftModifier ? MK_SHIFT : 0));
        }
        setFocus(Qt::MouseFocusReason);
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        QModelIndex hit = indexAt(event->position().toPoint());
        DesktopListViewPeer* peer = Peer();
        if (hit.isValid() && peer) peer->UserDoubleClickRow(hit.row());
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void keyPressEvent(QKeyEvent* event) override
    {
        auto* model = CtlModelAs<CtlListView>(m_hwnd);
        UINT key = DesktopVirtualKeyOf(event->key(), {VK_UP, VK_DOWN, VK_HOME, VK_END, VK_PRIOR, VK_NEXT, VK_SPACE, VK_DELETE, VK_F2, VK_RETURN});
        if (model && key) {
            model->UserKey(key);
            if (DesktopListViewPeer* peer = Peer()) peer->Sync(DesktopPeer::Bit(static_cast<int>(MvWindowEvent::ControlState)));
            event->accept();
            return;
        }
        QTreeView::keyPressEvent(event);
    }

private:
    HWND m_hwnd;
};

} // namespace

DesktopListViewPeer::DesktopListViewPeer(HWND hwnd) : DesktopControlPeer(hwnd, new RowsView(hwnd))
{
    m_view = static_cast<QTreeView*>(Widget());
    m_rows = new DesktopListViewRows(hwnd);
    m_rows->setParent(m_view);
    m_view->setModel(m_rows);
    m_view->setRootIsDecorated(false);
    m_view->setUniformRowHeights(true);
    m_view->setItemsExpandable(false);
    m_view->setAllColumnsShowFocus(true);
    m_view->setSelectionMode(QAbstractItemView::MultiSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->header()->setSectionsClickable(true);
    m_view->header()->setStretchLastSection(false);
    QObject::connect(m_view->header(), &QHeaderView::sectionClicked, m_view, [this](int column) {
        if (Syncing() || !M()) return;
        M()->UserClickHeader(column);
        Resync();
    });
}

DesktopListViewPeer::~DesktopListViewPeer() = default;

void DesktopListViewPeer::SyncStyle()
{
    m_view->setHeaderHidden(Style() & LVS_NOCOLUMNHEADER || (Style() & LVS_TYPEMASK) != LVS_REPORT);
    SyncState();
}

void DesktopListViewPeer::SyncState()
{
    CtlListView* model = M();
    if (!model) return;
    m_rows->Refresh();
    const auto& columns = model->Header().Items();
    for (size_t i = 0; i < columns.size(); ++i) m_view->setColumnWidth(static_cast<int>(i), columns[i].width);
    // Selection: only rows the model has selected (an owner-data list keeps just states).
    QItemSelection selection;
    int count = model->Count();
    int columnsShown = std::max(1, model->ColumnCount());
    for (int row = 0; row < count; ++row) {
        if (!(model->State(row) & LVIS_SELECTED)) continue;
        selection.select(m_rows->index(row, 0), m_rows->index(row, columnsShown - 1));
    }
    m_view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    int focused = static_cast<int>(SendMessageA(Window(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (focused >= 0 && focused < count) {
        m_view->selectionModel()->setCurrentIndex(m_rows->index(focused, 0), QItemSelectionModel::NoUpdate);
        m_view->scrollTo(m_rows->index(focused, 0));
    }
}

void DesktopListViewPeer::UserClickRow(int row, bool checkBox, UINT keys)
{
    CtlListView* model = M();
    if (!model) return;
    // The model's rows lie where it scrolled them: bring the row into its view first.
    SendMessageA(Window(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT r = model->ItemRect(row, LVIR_BOUNDS);
    int x = 2;
    if (!checkBox) {
        if (model->ExtendedStyle() & LVS_EX_CHECKBOXES) x += CtlListView::kIconWidth;
        if (model->ImageList(LVSIL_SMALL)) x += CtlListView::kIconWidth;
        x += 2;
    }
    model->UserClick(POINT{r.left + x, (r.top + r.bottom) / 2}, keys);
    Resync();
}

void DesktopListViewPeer::UserDoubleClickRow(int row)
{
    CtlListView* model = M();
    if (!model) return;
    SendMessageA(Window(), LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
    RECT r = model->ItemRect(row, LVIR_BOUNDS);
    int x = 4 + ((model->ExtendedStyle() & LVS_EX_CHECKBOXES) ? CtlListView::kIconWidth : 0) +
            (model->ImageList(LVSIL_SMALL) ? CtlListView::kIconWidth : 0);
    model->UserDoubleClick(POINT{r.left + x, (r.top + r.bottom) / 2});
    Resync();
}
