#include "desktop/DesktopProgressPeer.h"

#include "win32/controls/CommCtrl.h"
#include "win32/windowing/Window.h"

#include <QProgressBar>

DesktopProgressPeer::DesktopProgressPeer(HWND hwnd) : DesktopControlPeer(hwnd, new QProgressBar)
{
    auto* bar = static_cast<QProgressBar*>(Widget());
    bar->setTextVisible(false);
    bar->setOrientation(Style() & PBS_VERTICAL ? Qt::Vertical : Qt::Horizontal);
}

void DesktopProgressPeer::SyncState()
{
    CtlProgress* model = M();
    if (!model) return;
    auto* bar = static_cast<QProgressBar*>(Widget());
    bar->setRange(model->Low(), std::max(model->Low(), model->High()));
    bar->setValue(std::clamp(model->Pos(), model->Low(), std::max(model->Low(), model->High())));
}

QString DesktopProgressPeer::AccessibleName() const
{
    QString name = DesktopControlPeer::AccessibleName();
    if (!name.isEmpty()) return name;
    HWND top = GetAncestor(Window(), GA_ROOT);
    int n = GetWindowTextLengthA(top);
    std::string title(static_cast<size_t>(n) + 1, '\0');
    GetWindowTextA(top, title.data(), n + 1);
    return DesktopPlainCaption(QString::fromUtf8(title.c_str()));
}
