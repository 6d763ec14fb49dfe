#include "desktop/DesktopToolBarPeer.h"

#include "afx/windows/CToolBar.h"
#include "desktop/DesktopImages.h"
#include "win32/dialogs/Menu.h"
#include "win32/dialogs/Resources.h"
#include "win32/windowing/Window.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QToolBar>

namespace {

// The command's string resource holds its prompt, then after '\n' its short name.
void CommandTexts(UINT id, QString& name, QString& tip)
{
    const char* text = MvFindString(id);
    QString all = text ? QString::fromUtf8(text) : QString();
    qsizetype cut = all.indexOf('\n');
    tip = cut >= 0 ? all.mid(cut + 1) : all;
    name = tip;
    if (cut >= 0 && tip.isEmpty()) tip = all.left(cut);
}

// Without a short name a button takes its command's text in the frame's menu.
QString MenuText(HWND bar, UINT id)
{
    HMENU menu = GetMenu(GetAncestor(bar, GA_ROOT));
    char text[256] = {};
    if (!menu || GetMenuStringA(menu, id, text, sizeof text, MF_BYCOMMAND) <= 0) return QString();
    return DesktopPlainCaption(QString::fromUtf8(text));
}

// Picture n of the bar's strip; the strip's background (button-face grey or magenta)
// lets the theme's button show through.
QIcon ButtonIcon(const QImage& strip, QSize size, int image)
{
    QRect cell(image * size.width(), 0, size.width(), size.height());
    if (strip.isNull() || image < 0 || !strip.rect().contains(cell)) return QIcon();
    QImage picture = strip.copy(cell).convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            QRgb c = line[x] & 0xFFFFFF;
            if (c == 0xC0C0C0 || c == 0xFF00FF) line[x] = 0;
        }
    }
    return QIcon(QPixmap::fromImage(picture));
}

} // namespace

DesktopToolBarPeer::DesktopToolBarPeer(HWND hwnd, CToolBar*) : DesktopPeer(hwnd, new QToolBar)
{
    Bar()->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Bar()->setMovable(false);
    Bar()->setFloatable(false);
}

QToolBar* DesktopToolBarPeer::Bar() const
{
    return static_cast<QToolBar*>(Widget());
}

CToolBar* DesktopToolBarPeer::Model() const
{
    return dynamic_cast<CToolBar*>(CWnd::FromHandlePermanent(Window()));
}

void DesktopToolBarPeer::SyncState()
{
    CToolBar* bar = Model();
    if (!bar) return;
    QToolBar* tools = Bar();
    tools->clear();
    QImage strip = DesktopImageOf(bar->GetBitmap());
    QSize imageSize(bar->GetImageSize().cx, bar->GetImageSize().cy);
    tools->setToolButtonStyle(strip.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    if (!strip.isNull()) tools->setIconSize(imageSize);
    for (int i = 0; i < bar->GetCount(); ++i) {
        UINT id = 0, style = 0;
        int image = 0;
        bar->GetButtonInfo(i, id, style, image);
        if (style & TBBS_HIDDEN) continue;
        if (style & TBBS_SEPARATOR) {
            tools->addSeparator();
            continue;
        }
        QString name, tip;
        CommandTexts(id, name, tip);
        if (name.isEmpty()) name = MenuText(Window(), id);
        CString own = bar->GetButtonText(i);
        if (!own.IsEmpty()) name = QString::fromUtf8(static_cast<const char*>(own));
        QAction* action = tools->addAction(name.isEmpty() ? QString::number(id) : name);
        action->setIcon(ButtonIcon(strip, imageSize, image));
        action->setToolTip(tip);
        action->setEnabled(!(style & TBBS_DISABLED));
        action->setCheckable(style & TBBS_CHECKBOX);
        action->setChecked(style & TBBS_CHECKED);
        HWND hwnd = Window();
        QObject::connect(action, &QAction::triggered, tools, [this, hwnd, i] {
            if (Syncing()) return;
            auto* model = dynamic_cast<CToolBar*>(CWnd::FromHandlePermanent(hwnd));
            if (model) model->PressButton(i);
        });
    }
}
