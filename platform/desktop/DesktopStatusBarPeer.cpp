#include "desktop/DesktopStatusBarPeer.h"

#include "afx/windows/CStatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

DesktopStatusBarPeer::DesktopStatusBarPeer(HWND hwnd) : DesktopPeer(hwnd, new QWidget)
{
    auto* layout = new QHBoxLayout(Widget());
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
}

void DesktopStatusBarPeer::SyncState()
{
    auto* bar = dynamic_cast<CStatusBar*>(CWnd::FromHandlePermanent(Window()));
    if (!bar) return;
    auto* layout = static_cast<QHBoxLayout*>(Widget()->layout());
    while (static_cast<int>(m_panes.size()) > bar->GetCount()) {
        delete m_panes.back();
        m_panes.pop_back();
    }
    while (static_cast<int>(m_panes.size()) < bar->GetCount()) {
        auto* pane = new QLabel;
        pane->setFrameShape(m_panes.empty() ? QFrame::NoFrame : QFrame::StyledPanel);
        pane->setTextFormat(Qt::PlainText);
        layout->addWidget(pane, m_panes.empty() ? 1 : 0);
        m_panes.push_back(pane);
    }
    for (int i = 0; i < bar->GetCount(); ++i) {
        UINT id = 0, style = 0;
        int width = 0;
        bar->GetPaneInfo(i, id, style, width);
        QLabel* pane = m_panes[static_cast<size_t>(i)];
        QString text = QString::fromUtf8(static_cast<const char*>(bar->GetPaneText(i)));
        pane->setText(style & SBPS_DISABLED ? QString() : text);
        if (i > 0) pane->setMinimumWidth(std::max(width, pane->fontMetrics().horizontalAdvance(text) + 8));
        pane->setAccessibleName(text);
    }
}
