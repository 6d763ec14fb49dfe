#include "desktop/DesktopProgressPeer.h"

#include "win32/controls/CommCtrl.h"

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
