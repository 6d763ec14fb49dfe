#include "desktop/DesktopPeerFactory.h"

#include "afx/windows/CStatusBar.h"
#include "afx/windows/CToolBar.h"
#include "desktop/DesktopBackend.h"
#include "desktop/DesktopButtonPeer.h"
#include "desktop/DesktopComboBoxPeer.h"
#include "desktop/DesktopEditPeer.h"
#include "desktop/DesktopIpAddressPeer.h"
#include "desktop/DesktopListBoxPeer.h"
#include "desktop/DesktopListViewPeer.h"
#include "desktop/DesktopOwnerButtonPeer.h"
#include "desktop/DesktopProgressPeer.h"
#include "desktop/DesktopStaticPeer.h"
#include "desktop/DesktopStatusBarPeer.h"
#include "desktop/DesktopSurfacePeer.h"
#include "desktop/DesktopTabPeer.h"
#include "desktop/DesktopTextPeer.h"
#include "desktop/DesktopToolBarPeer.h"
#include "desktop/DesktopToolTipPeer.h"
#include "desktop/DesktopTopLevelPeer.h"
#include "desktop/DesktopTrackbarPeer.h"
#include "desktop/DesktopTreeViewPeer.h"
#include "win32/controls/CtlMessages.h"
#include "win32/controls/CtlRichEdit.h"
#include "win32/windowing/Window.h"

namespace {

std::unique_ptr<DesktopPeer> ControlPeer(HWND hwnd, CtlModel* model)
{
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if (dynamic_cast<CtlButton*>(model)) {
        if ((style & BS_TYPEMASK) == BS_OWNERDRAW) return std::make_unique<DesktopOwnerButtonPeer>(hwnd);
        return std::make_unique<DesktopButtonPeer>(hwnd);
    }
    if (dynamic_cast<CtlStatic*>(model)) {
        if ((style & SS_TYPEMASK) == SS_OWNERDRAW) return std::make_unique<DesktopSurfacePeer>(hwnd);
        return std::make_unique<DesktopStaticPeer>(hwnd);
    }
    if (auto* edit = dynamic_cast<CtlEdit*>(model)) {
        if (edit->IsRich() || (style & ES_MULTILINE)) return std::make_unique<DesktopTextPeer>(hwnd);
        return std::make_unique<DesktopEditPeer>(hwnd);
    }
    if (dynamic_cast<CtlComboBox*>(model)) return std::make_unique<DesktopComboBoxPeer>(hwnd);
    if (dynamic_cast<CtlListBox*>(model)) return std::make_unique<DesktopListBoxPeer>(hwnd);
    if (dynamic_cast<CtlTrackbar*>(model)) return std::make_unique<DesktopTrackbarPeer>(hwnd);
    if (dynamic_cast<CtlProgress*>(model)) return std::make_unique<DesktopProgressPeer>(hwnd);
    if (dynamic_cast<CtlTab*>(model)) return std::make_unique<DesktopTabPeer>(hwnd);
    if (dynamic_cast<CtlListView*>(model)) return std::make_unique<DesktopListViewPeer>(hwnd);
    if (dynamic_cast<CtlTreeView*>(model)) return std::make_unique<DesktopTreeViewPeer>(hwnd);
    if (dynamic_cast<CtlIpAddress*>(model)) return std::make_unique<DesktopIpAddressPeer>(hwnd);
    if (dynamic_cast<CtlToolTip*>(model)) return std::make_unique<DesktopToolTipPeer>(hwnd);
    // Other models (a date picker, a stand-alone header) show what they paint.
    return std::make_unique<DesktopSurfacePeer>(hwnd);
}

} // namespace

std::unique_ptr<DesktopPeer> DesktopCreatePeer(HWND hwnd, DesktopPeer* parent)
{
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    bool child = (style & WS_CHILD) != 0;
    if (child && (!parent || !parent->HostsChildren())) return nullptr;
    if (CtlModel* model = CtlModelOf(hwnd)) return ControlPeer(hwnd, model);
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (auto* bar = dynamic_cast<CToolBar*>(wnd)) return std::make_unique<DesktopToolBarPeer>(hwnd, bar);
    if (dynamic_cast<CStatusBar*>(wnd)) return std::make_unique<DesktopStatusBarPeer>(hwnd);
    if (child) return std::make_unique<DesktopSurfacePeer>(hwnd);
    // A pop-up owned by another window stays above it.
    HWND owner = GetWindow(hwnd, GW_OWNER);
    if (!owner) owner = GetParent(hwnd);
    DesktopPeer* ownerPeer = owner ? DesktopBackend::Instance().PeerOf(GetAncestor(owner, GA_ROOT)) : nullptr;
    return std::make_unique<DesktopTopLevelPeer>(hwnd, ownerPeer ? ownerPeer->Widget() : nullptr);
}
