#include "CMediaPlatformListControl.h"

#include "CMediaPlatformListDisplay.h"
#include "CTargetDecisions.h"
#include "CTargetPlatform.h"
#include "CTargetPlatformDialog.h"
#include "SNotifyRecord.h"
#include "afx/windows/MessageMap.h"

namespace {
CTargetPlatform* AsPlatform(CPersistObject* object)
{
    return object && object->IsInstanceOf(FourCharCode("tpla")) ? static_cast<CTargetPlatform*>(object) : nullptr;
}
} // namespace

BEGIN_MESSAGE_MAP(CMediaPlatformListControl, CDecisionsListControl)
    ON_WM_CREATE()
    ON_NOTIFY_RANGE(TTN_GETDISPINFO, 0, 0xFFFFFFFF, OnCellToolTip)
END_MESSAGE_MAP()

LONG CMediaPlatformListControl::GetItemType() const
{
    return FourCharCode("tpla");
}

int CMediaPlatformListControl::OnCreate(LPCREATESTRUCT cs)
{
    if (CDecisionsListControl::OnCreate(cs) == -1) return -1;
    EnableCellToolTips();
    return 0;
}

void CMediaPlatformListControl::EnableCellToolTips()
{
    if (!m_toolTip.Create(this)) return;
    m_toolTip.SetMaxTipWidth(400);
    m_toolTip.Activate(TRUE);
}

BOOL CMediaPlatformListControl::PreTranslateMessage(MSG* msg)
{
    if (m_toolTip.GetSafeHwnd() && msg && msg->hwnd == m_hWnd && msg->message == WM_MOUSEMOVE) {
        // One tool, moved to the cell under the mouse; the list gives its text when shown.
        TOOLINFO info{};
        const CPoint point(static_cast<SHORT>(LOWORD(msg->lParam)), static_cast<SHORT>(HIWORD(msg->lParam)));
        const INT_PTR cell = OnToolHitTest(point, &info);
        if (cell != m_toolCell) {
            if (m_toolCell != -1) m_toolTip.DelTool(this, static_cast<UINT_PTR>(m_toolCell));
            m_toolCell = cell;
            if (cell != -1) m_toolTip.AddTool(this, LPSTR_TEXTCALLBACK, &info.rect, static_cast<UINT_PTR>(cell));
        }
    }
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(msg);
    return CDecisionsListControl::PreTranslateMessage(msg);
}

void CMediaPlatformListControl::OnCellToolTip(UINT id, NMHDR* notice, LRESULT* result)
{
    OnToolTipNotify(id, notice, result);
}

CPersistList* CMediaPlatformListControl::GetList(CPersistObject* object)
{
    auto* decisions = dynamic_cast<CTargetDecisions*>(object);
    return decisions ? &decisions->GetPlatforms() : nullptr;
}

CObjectDisplay* CMediaPlatformListControl::CreateChildDisplay(CPersistObject* object)
{
    return object ? new CMediaPlatformListDisplay(this) : nullptr;
}

void CMediaPlatformListControl::CreateListHeaders()
{
    InsertColumn(0, "Platform", LVCFMT_LEFT, 160);
    InsertColumn(1, "Sync", LVCFMT_RIGHT, 80);
    InsertColumn(2, "Active", LVCFMT_RIGHT, 80);
}

CString CMediaPlatformListControl::GetObjectText(CPersistObject* object, int column, bool)
{
    CTargetPlatform* platform = AsPlatform(object);
    if (!platform) return "-";
    switch (column) {
    case 0: return platform->GetName();
    case 1: return platform->GetCanSync() ? "Sync" : "";
    case 2: return platform->GetActive() ? "Active" : "";
    default: return "Error";
    }
}

int CMediaPlatformListControl::GetObjectImage(CPersistObject*)
{
    return 0;
}

CTargetPlatform* CMediaPlatformListControl::GetSelectedPlatform()
{
    return AsPlatform(GetSelectedItem());
}

void CMediaPlatformListControl::Add()
{
    CTargetDecisions* decisions = GetDecisions();
    if (!decisions) return;
    CTargetPlatform edited;
    if (!CTargetPlatformDialog::Prompt(edited)) return;
    CTargetPlatform* created = decisions->CreateNewPlatform(edited.GetName());
    if (!created) return;
    *created = edited;
    created->Notify(kObjectChangedNotice, 0, 0);
}

void CMediaPlatformListControl::Edit()
{
    CTargetPlatform* platform = GetSelectedPlatform();
    if (platform && CTargetPlatformDialog::Prompt(*platform)) platform->Notify(kObjectChangedNotice, 0, 0);
}

void CMediaPlatformListControl::Remove()
{
    CTargetDecisions* decisions = GetDecisions();
    CTargetPlatform* platform = GetSelectedPlatform();
    if (decisions && platform) decisions->RemovePlatform(platform);
}

void CMediaPlatformListControl::TakeOut(CPersistObject* item)
{
    if (CTargetDecisions* decisions = GetDecisions()) decisions->GetPlatforms().Remove(item);
}

void CMediaPlatformListControl::PutBack(CPersistObject* item, int index)
{
    if (CTargetDecisions* decisions = GetDecisions())
        decisions->AddPlatformAt(static_cast<CTargetPlatform*>(item), index);
}
