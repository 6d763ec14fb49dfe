#include "desktop/DesktopTray.h"

#include "desktop/DesktopImages.h"
#include "win32/windowing/Shell.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QSystemTrayIcon>

struct DesktopTray::Shown {
    std::unique_ptr<QSystemTrayIcon> icon;
    HICON image = nullptr;
};

namespace {

// The mouse message the model hears for a click of each kind.
UINT MouseMessageOf(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick: return WM_LBUTTONDBLCLK;
    case QSystemTrayIcon::Context: return WM_RBUTTONUP;
    case QSystemTrayIcon::MiddleClick: return WM_MBUTTONUP;
    case QSystemTrayIcon::Trigger: return WM_LBUTTONUP;
    default: return 0;
    }
}

QIcon IconOf(HICON icon)
{
    QImage image = DesktopImageOfIcon(icon);
    // A tray icon without a picture of its own still shows: the program's.
    if (image.isNull()) return QApplication::windowIcon();
    return QIcon(QPixmap::fromImage(image));
}

} // namespace

DesktopTray::DesktopTray() = default;
DesktopTray::~DesktopTray() = default;

void DesktopTray::Sync()
{
    std::map<std::pair<HWND, UINT>, MvTrayIcon> wanted;
    for (const MvTrayIcon& icon : MvTrayIcons()) wanted[{icon.owner, icon.id}] = icon;
    for (auto it = m_icons.begin(); it != m_icons.end();)
        it = wanted.count(it->first) ? std::next(it) : m_icons.erase(it);
    for (const auto& [key, model] : wanted) {
        std::unique_ptr<Shown>& shown = m_icons[key];
        if (!shown) {
            shown = std::make_unique<Shown>();
            shown->icon = std::make_unique<QSystemTrayIcon>();
            HWND owner = key.first;
            UINT id = key.second;
            QObject::connect(shown->icon.get(), &QSystemTrayIcon::activated, shown->icon.get(),
                             [owner, id](QSystemTrayIcon::ActivationReason reason) {
                                 if (UINT message = MouseMessageOf(reason)) MvClickTrayIcon(owner, id, message);
                             });
        }
        if (shown->icon->icon().isNull() || shown->image != model.icon) {
            shown->image = model.icon;
            shown->icon->setIcon(IconOf(model.icon));
        }
        QString tip = QString::fromUtf8(model.tip.data(), static_cast<qsizetype>(model.tip.size()));
        if (shown->icon->toolTip() != tip) shown->icon->setToolTip(tip);
        if (!shown->icon->isVisible()) shown->icon->show();
    }
}

QSystemTrayIcon* DesktopTray::Icon(HWND owner, UINT id) const
{
    auto it = m_icons.find({owner, id});
    return it == m_icons.end() ? nullptr : it->second->icon.get();
}
