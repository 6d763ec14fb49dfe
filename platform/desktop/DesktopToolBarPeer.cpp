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
    QImage strip = DesktopImageOf(bar->GetBitmap());
    QSize imageSize(bar->GetImageSize().cx, bar->GetImageSize().cy);
    tools->setToolButtonStyle(strip.isNull() ? Qt::ToolButtonTextOnly : Qt::ToolButtonIconOnly);
    if (!strip.isNull()) tools->setIconSize(imageSize);
    struct Button {
        int index;
        UINT id, style;
        int image;
    };
    std::vector<Button> buttons;
    std::vector<std::tuple<int, unsigned, bool>> shown;
    for (int i = 0; i < bar->GetCount(); ++i) {
        Button b{i, 0, 0, 0};
        bar->GetButtonInfo(i, b.id, b.style, b.image);
        if (b.style & TBBS_HIDDEN) continue;
        buttons.push_back(b);
        shown.emplace_back(i, b.id, (b.style & TBBS_SEPARATOR) != 0);
    }
    if (shown != m_shown) {
        const QList<QAction*> old = tools->actions();
        tools->clear();
        qDeleteAll(old);
        HWND hwnd = Window();
        for (const Button& b : buttons) {
            if (b.style & TBBS_SEPARATOR) {
                tools->addSeparator();
                continue;
            }
            QAction* action = tools->addAction(QString());
            QObject::connect(action, &QAction::triggered, tools, [this, hwnd, index = b.index] {
                if (Syncing()) return;
                auto* model = dynamic_cast<CToolBar*>(CWnd::FromHandlePermanent(hwnd));
                if (model) model->PressButton(index);
            });
        }
        m_shown = std::move(shown);
    }
    const QList<QAction*> actions = tools->actions();
    for (size_t n = 0; n < buttons.size() && n < static_cast<size_t>(actions.size()); ++n) {
        const Button& b = buttons[n];
        if (b.style & TBBS_SEPARATOR) continue;
        QString name, tip;
        CommandTexts(b.id, name, tip);
        if (name.isEmpty()) name = MenuText(Window(), b.id);
        CString own = bar->GetButtonText(b.index);
        if (!own.IsEmpty()) name = QString::fromUtf8(static_cast<const char*>(own));
        QAction* action = actions[static_cast<qsizetype>(n)];
        action->setText(name.isEmpty() ? QString::number(b.id) : name);
        action->setIcon(ButtonIcon(strip, imageSize, b.image));
        action->setToolTip(tip);
        action->setEnabled(!(b.style & TBBS_DISABLED));
        action->setCheckable(b.style & TBBS_CHECKBOX);
        action->setChecked(b.style & TBBS_CHECKED);
    }
}
