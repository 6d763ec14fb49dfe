#include "desktop/DesktopMenus.h"

#include "desktop/DesktopPeer.h"
#include "win32/windowing/MessageQueue.h"
#include "win32/controls/CtlMessages.h"
#include "win32/dialogs/Menu.h"
#include "win32/windowing/Window.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include <vector>

namespace {

QString ItemText(HMENU menu, int position)
{
    std::vector<char> text(1024);
    GetMenuStringA(menu, static_cast<UINT>(position), text.data(), static_cast<int>(text.size()), MF_BYPOSITION);
    // Qt shows the text after a tab as the shortcut column, as the window system does.
    return DesktopQtCaption(text.data());
}

// A pop-up that fills itself from its model each time it opens.
QMenu* MakePopup(const QString& title, HMENU menu, HWND owner, int position, bool system, DesktopMenuChoice chosen,
                 QWidget* parent)
{
    auto* qmenu = new QMenu(title, parent);
    QObject::connect(qmenu, &QMenu::aboutToShow, qmenu, [=] {
        if (IsWindow(owner)) SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), MAKELPARAM(position, system));
        DesktopFillMenu(qmenu, menu, owner, chosen);
    });
    return qmenu;
}

} // namespace

void DesktopFillMenu(QMenu* qmenu, HMENU menu, HWND owner, const DesktopMenuChoice& chosen)
{
    qmenu->clear();
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        if (state == static_cast<UINT>(-1)) continue;
        if (state & MF_SEPARATOR) {
            qmenu->addSeparator();
            continue;
        }
        QString text = ItemText(menu, i);
        if (HMENU sub = GetSubMenu(menu, i)) {
            QMenu* child = MakePopup(text, sub, owner, i, FALSE, chosen, qmenu);
            child->setEnabled(!(state & (MF_GRAYED | MF_DISABLED)));
            qmenu->addMenu(child);
            continue;
        }
        UINT id = GetMenuItemID(menu, i);
        QAction* action = qmenu->addAction(text);
        action->setEnabled(!(state & (MF_GRAYED | MF_DISABLED)));
        action->setCheckable(state & MF_CHECKED);
        action->setChecked(state & MF_CHECKED);
        QObject::connect(action, &QAction::hovered, qmenu, [owner, id, state, menu] {
            if (IsWindow(owner))
                SendMessageA(owner, WM_MENUSELECT, MAKEWPARAM(id, state & 0xFFFF), reinterpret_cast<LPARAM>(menu));
        });
        QObject::connect(action, &QAction::triggered, qmenu, [chosen, id] { chosen(id); });
    }
}

void DesktopFillMenuBar(QMenuBar* bar, HMENU menu, HWND owner, DesktopMenuChoice chosen)
{
    bar->clear();
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        QString text = ItemText(menu, i);
        if (HMENU sub = GetSubMenu(menu, i)) {
            QMenu* popup = MakePopup(text, sub, owner, i, FALSE, chosen, bar);
            popup->setEnabled(!(state & (MF_GRAYED | MF_DISABLED)));
            // Leaving the menus gives the status bar its idle text back.
            QObject::connect(popup, &QMenu::aboutToHide, popup, [owner] {
                if (IsWindow(owner)) SendMessageA(owner, WM_MENUSELECT, MAKEWPARAM(0, 0xFFFF), 0);
            });
            bar->addMenu(popup);
        } else if (!(state & MF_SEPARATOR)) {
            UINT id = GetMenuItemID(menu, i);
            QAction* action = bar->addAction(text);
            action->setEnabled(!(state & (MF_GRAYED | MF_DISABLED)));
            QObject::connect(action, &QAction::triggered, bar, [chosen, id] { chosen(id); });
        }
    }
}
