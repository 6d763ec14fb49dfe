#include "CPersistObjectDropTarget.h"

#include "SPersistObjectHit.h"
#include "afx/windows/CWnd.h"
#include "win32/windowing/ClipboardFormat.h"
#include "win32/kernel/GlobalMemory.h"

#include <cstring>

UINT CPersistObjectDropTarget::sPersistObjectFormat = 0;

namespace {
const bool sFormatRegistered = (CPersistObjectDropTarget::Initialize(), true);
}

void CPersistObjectDropTarget::Initialize()
{
    if (sPersistObjectFormat == 0)
        sPersistObjectFormat = RegisterClipboardFormatA("Persist Object");
}

CPersistObject* CPersistObjectDropTarget::GetDraggedObject(COleDataObject* data)
{
    if (!data || !data->IsDataAvailable(sPersistObjectFormat))
        return nullptr;
    HGLOBAL block = data->GetGlobalData(sPersistObjectFormat);
    CPersistObject* object = nullptr;
    // A block too small for an address carries none.
    if (block && GlobalSize(block) >= sizeof object)
        std::memcpy(&object, GlobalLock(block), sizeof object);
    if (block) {
        GlobalUnlock(block);
        GlobalFree(block);
    }
    return object;
}

void CPersistObjectDropTarget::Look(CWnd* wnd, COleDataObject* data, CPoint point)
{
    SPersistObjectHit hit{nullptr, point.x, point.y};
    if (wnd && wnd->GetSafeHwnd())
        wnd->SendMessage(kPersistObjectHitMessage, 0, reinterpret_cast<LPARAM>(&hit));
    mHitObject = hit.object;
    mDraggedObject = GetDraggedObject(data);
}

DROPEFFECT CPersistObjectDropTarget::OnDragEnter(CWnd* wnd, COleDataObject* data, DWORD keyState, CPoint point)
{
    return OnDragOver(wnd, data, keyState, point);
}

DROPEFFECT CPersistObjectDropTarget::OnDragOver(CWnd* wnd, COleDataObject* data, DWORD, CPoint point)
{
    Look(wnd, data, point);
    return DROPEFFECT_MOVE;
}

BOOL CPersistObjectDropTarget::OnDrop(CWnd* wnd, COleDataObject* data, DROPEFFECT, CPoint point)
{
    Look(wnd, data, point);
    return FALSE;
}
