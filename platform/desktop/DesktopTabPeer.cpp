#include "desktop/DesktopTabPeer.h"

#include <QTabBar>

DesktopTabPeer::DesktopTabPeer(HWND hwnd) : DesktopControlPeer(hwnd, new QTabBar)
{
    m_tabs = static_cast<QTabBar*>(Widget());
    m_tabs->setDrawBase(true);
    m_tabs->setExpanding(false);
    QObject::connect(m_tabs, &QTabBar::currentChanged, m_tabs, [this](int index) {
        if (Syncing() || !M() || index < 0) return;
        M()->UserSelect(index);
        Resync();
    });
}

void DesktopTabPeer::SyncState()
{
    CtlTab* model = M();
    if (!model) return;
    const auto& items = model->Items();
    while (m_tabs->count() > static_cast<int>(items.size())) m_tabs->removeTab(m_tabs->count() - 1);
    for (size_t i = 0; i < items.size(); ++i) {
        QString text = DesktopQtCaption(items[i].text);
        if (static_cast<int>(i) >= m_tabs->count()) m_tabs->addTab(text);
        else if (m_tabs->tabText(static_cast<int>(i)) != text) m_tabs->setTabText(static_cast<int>(i), text);
    }
    m_tabs->setCurrentIndex(model->CurSel());
}
