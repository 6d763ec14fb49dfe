#include "desktop/DesktopListBoxPeer.h"

#include "desktop/DesktopOwnerDrawn.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>

namespace {

// Clicks and arrow keys go to the model; the widget only shows what it selected.
class List : public QListWidget {
public:
    explicit List(HWND hwnd) : m_hwnd(hwnd) { setSelectionMode(QAbstractItemView::MultiSelection); }
    std::function<void()> m_changed;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        auto* model = CtlModelAs<CtlListBox>(m_hwnd);
        QListWidgetItem* hit = itemAt(event->position().toPoint());
        if (model && hit && event->button() == Qt::LeftButton) {
            model->UserClick(row(hit), event->modifiers() & Qt::ControlModifier, event->modifiers() & Qt::ShiftModifier);
            if (m_changed) m_changed();
        }
        event->accept();
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        auto* model = CtlModelAs<CtlListBox>(m_hwnd);
        QListWidgetItem* hit = itemAt(event->position().toPoint());
        if (model && hit) {
            model->UserDoubleClick(row(hit));
            if (m_changed) m_changed();
        }
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }
    void keyPressEvent(QKeyEvent* event) override
    {
        auto* model = CtlModelAs<CtlListBox>(m_hwnd);
        int delta = event->key() == Qt::Key_Down ? 1 : event->key() == Qt::Key_Up ? -1 : 0;
        if (model && delta) {
            model->UserStep(delta);
            if (m_changed) m_changed();
            event->accept();
            return;
        }
        QListWidget::keyPressEvent(event);
    }

private:
    HWND m_hwnd;
};

} // namespace

DesktopListBoxPeer::DesktopListBoxPeer(HWND hwnd) : DesktopControlPeer(hwnd, new List(hwnd))
{
    m_list = static_cast<QListWidget*>(Widget());
    static_cast<List*>(m_list)->m_changed = [this] { Resync(); };
    if (M() && M()->IsOwnerDrawn()) m_list->setItemDelegate(new DesktopOwnerDrawnDelegate(hwnd, m_list));
}

void DesktopListBoxPeer::SyncState()
{
    CtlListBox* model = M();
    if (!model) return;
    const auto& items = model->Items();
    bool same = m_list->count() == static_cast<int>(items.size());
    for (int i = 0; same && i < m_list->count(); ++i)
        same = m_list->item(i)->text() == QString::fromStdString(items[static_cast<size_t>(i)].text);
    if (!same) {
        m_list->clear();
        for (const auto& item : items) m_list->addItem(QString::fromStdString(item.text));
    }
    for (int i = 0; i < m_list->count(); ++i) m_list->item(i)->setSelected(model->IsSelected(i));
    int current = model->IsMultiple() ? model->Caret() : model->CurSel();
    if (current >= 0 && current < m_list->count()) {
        m_list->setCurrentRow(current, QItemSelectionModel::NoUpdate);
        m_list->scrollToItem(m_list->item(current));
    }
}
