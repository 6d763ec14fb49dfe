#include "desktop/DesktopTreeViewPeer.h"

#include "desktop/DesktopBackend.h"
#include "desktop/DesktopKeys.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

HTREEITEM HandleOf(const QTreeWidgetItem* item)
{
    return item ? reinterpret_cast<HTREEITEM>(item->data(0, Qt::UserRole).toULongLong()) : nullptr;
}

class TreeWidget : public QTreeWidget {
public:
    explicit TreeWidget(HWND hwnd) : m_hwnd(hwnd) { header()->hide(); }

protected:
    DesktopTreeViewPeer* Peer() const
    {
        return dynamic_cast<DesktopTreeViewPeer*>(DesktopBackend::Instance().FindPeer(m_hwnd));
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        QPoint p = event->position().toPoint();
        QTreeWidgetItem* hit = itemAt(p);
        DesktopTreeViewPeer* peer = Peer();
        if (hit && peer && event->button() == Qt::LeftButton) {
            // Left of the item's text lies its expand button.
            bool onButton = p.x() < visualItemRect(hit).left() && hit->childIndicatorPolicy() != QTreeWidgetItem::DontShowIndicator;
            peer->UserClickItem(HandleOf(hit), onButton || (p.x() < visualItemRect(hit).left() && hit->childCount() > 0));
        }
        setFocus(Qt::MouseFocusReason);
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        QTreeWidgetItem* hit = itemAt(event->position().toPoint());
        DesktopTreeViewPeer* peer = Peer();
        if (hit && peer) peer->UserDoubleClickItem(HandleOf(hit));
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void keyPressEvent(QKeyEvent* event) override
    {
        auto* model = CtlModelAs<CtlTreeView>(m_hwnd);
        UINT key = DesktopVirtualKeyOf(event->key(), {VK_UP, VK_DOWN, VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_F2, VK_RETURN});
        if (model && key) {
            model->UserKey(key);
            if (DesktopTreeViewPeer* peer = Peer()) peer->Sync(DesktopPeer::Bit(static_cast<int>(MvWindowEvent::ControlState)));
            event->accept();
            return;
        }
        QTreeWidget::keyPressEvent(event);
    }

private:
    HWND m_hwnd;
};

} // namespace

DesktopTreeViewPeer::DesktopTreeViewPeer(HWND hwnd) : DesktopControlPeer(hwnd, new TreeWidget(hwnd))
{
    m_tree = static_cast<QTreeWidget*>(Widget());
    m_tree->setColumnCount(1);
    m_tree->setUniformRowHeights(true);
    m_tree->setExpandsOnDoubleClick(false);
    m_tree->setRootIsDecorated(Style() & TVS_LINESATROOT);
}

void DesktopTreeViewPeer::Fill(QTreeWidgetItem* parent, const CtlTreeView::Item& item)
{
    for (const auto& kid : item.kids) {
        auto* node = new QTreeWidgetItem(parent);
        HTREEITEM handle = reinterpret_cast<HTREEITEM>(kid.get());
        node->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<qulonglong>(handle)));
        TVITEM query{};
        char text[1024] = {};
        query.mask = TVIF_TEXT | TVIF_HANDLE;
        query.hItem = handle;
        query.pszText = text;
        query.cchTextMax = sizeof text;
        SendMessageA(Window(), TVM_GETITEM, 0, reinterpret_cast<LPARAM>(&query));
        node->setText(0, QString::fromUtf8(text));
        node->setChildIndicatorPolicy(kid->children > 0 || !kid->kids.empty() ? QTreeWidgetItem::ShowIndicator
                                                                              : QTreeWidgetItem::DontShowIndicator);
        Fill(node, *kid);
        node->setExpanded(kid->state & TVIS_EXPANDED);
    }
}

void DesktopTreeViewPeer::SyncState()
{
    CtlTreeView* model = M();
    if (!model) return;
    m_tree->clear();
    auto* root = m_tree->invisibleRootItem();
    std::vector<HTREEITEM> top;
    // The roots hang under the model's hidden root: reach it through a first item's parent chain.
    HTREEITEM first = reinterpret_cast<HTREEITEM>(SendMessageA(Window(), TVM_GETNEXTITEM, TVGN_ROOT, 0));
    const CtlTreeView::Item* item = model->ItemOf(first);
    if (item && item->parent) Fill(root, *item->parent);
    HTREEITEM selected = model->Selected();
    QTreeWidgetItemIterator it(m_tree);
    for (; *it; ++it) {
        if (HandleOf(*it) == selected) {
            m_tree->setCurrentItem(*it);
            (*it)->setSelected(true);
            m_tree->scrollToItem(*it);
        }
    }
}

void DesktopTreeViewPeer::UserClickItem(HTREEITEM handle, bool onButton)
{
    CtlTreeView* model = M();
    const CtlTreeView::Item* item = model ? model->ItemOf(handle) : nullptr;
    if (!item) return;
    SendMessageA(Window(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(handle));
    RECT label = model->ItemRect(handle, true);
    POINT at{label.left + 2, (label.top + label.bottom) / 2};
    if (onButton) {
        int depth = 0;
        for (const CtlTreeView::Item* p = item->parent; p && p->parent; p = p->parent) ++depth;
        int indent = static_cast<int>(SendMessageA(Window(), TVM_GETINDENT, 0, 0));
        int left = (depth + ((Style() & TVS_LINESATROOT) ? 1 : 0)) * indent;
        at.x = left - indent / 2;
    }
    model->UserClick(at);
    Resync();
}

void DesktopTreeViewPeer::UserDoubleClickItem(HTREEITEM handle)
{
    CtlTreeView* model = M();
    if (!model || !model->ItemOf(handle)) return;
    SendMessageA(Window(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(handle));
    RECT label = model->ItemRect(handle, true);
    model->UserDoubleClick(POINT{label.left + 2, (label.top + label.bottom) / 2});
    Resync();
}
