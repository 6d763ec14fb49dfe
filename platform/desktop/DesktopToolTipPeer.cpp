#include "desktop/DesktopToolTipPeer.h"

#include "desktop/DesktopBackend.h"
#include "win32/controls/CommCtrl.h"

DesktopToolTipPeer::DesktopToolTipPeer(HWND hwnd) : DesktopControlPeer(hwnd, new QWidget)
{
    Widget()->hide();
}

void DesktopToolTipPeer::SyncState()
{
    CtlToolTip* model = M();
    if (!model) return;
    const auto& tools = model->Tools();
    for (size_t i = 0; i < tools.size(); ++i) {
        const CtlToolTip::Tool& tool = tools[i];
        if (!(tool.flags & TTF_IDISHWND)) continue;
        HWND target = reinterpret_cast<HWND>(tool.id);
        DesktopPeer* peer = DesktopBackend::Instance().PeerOf(target);
        if (!peer || !peer->Widget()) continue;
        // A callback text is asked of the tool's owner when the tip is about to show.
        peer->Widget()->setToolTip(model->IsActive() && !tool.callback ? QString::fromStdString(tool.text) : QString());
    }
}
