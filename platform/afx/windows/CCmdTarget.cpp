#include "afx/windows/CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const MvMessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MvMsgEntry entries[] = {{0, 0, 0, 0, nullptr}};
    static const MvMessageMap map = {nullptr, entries};
    return &map;
}

const MvMessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const MvMsgEntry* CCmdTarget::FindEntry(const MvMessageMap* map, UINT message, UINT code, UINT id)
{
    for (; map; map = map->base ? map->base() : nullptr)
        for (const MvMsgEntry* e = map->entries; e->message; ++e)
            if (e->message == message && e->code == (code & 0xFFFF) && id >= e->firstId && id <= e->lastId)
                return e;
    return nullptr;
}

bool CCmdTarget::CallEntry(const MvMsgEntry* entry, MvMsgCall& call)
{
    return entry->thunk(this, call);
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    UINT message = WM_COMMAND;
    UINT code = static_cast<UINT>(nCode);
    LRESULT scratch = 0;
    MvMsgCall call{WM_COMMAND, 0, 0, nID, pExtra, &scratch};
    if (nCode == CN_UPDATE_COMMAND_UI) {
        message = MV_UPDATE_COMMAND_UI;
        code = 0;
    } else if (HIWORD(static_cast<UINT>(nCode)) == WM_NOTIFY || HIWORD(static_cast<UINT>(nCode)) == MV_REFLECT_BASE + WM_NOTIFY) {
        message = HIWORD(static_cast<UINT>(nCode));
        code = LOWORD(static_cast<UINT>(nCode));
        if (auto* notify = static_cast<AFX_NOTIFY*>(pExtra)) {
            call.lParam = reinterpret_cast<LPARAM>(notify->pNMHDR);
            call.result = notify->pResult ? notify->pResult : &scratch;
        }
    } else if (HIWORD(static_cast<UINT>(nCode)) == MV_REFLECT_BASE + WM_COMMAND) {
        message = MV_REFLECT_BASE + WM_COMMAND;
        code = LOWORD(static_cast<UINT>(nCode));
    }
    call.message = message;
    const MvMsgEntry* entry = FindEntry(GetMessageMap(), message, code, nID);
    if (!entry) return FALSE;
    if (pHandlerInfo) {
        pHandlerInfo->pTarget = this;
        pHandlerInfo->pEntry = entry;
        return TRUE;
    }
    return CallEntry(entry, call) ? TRUE : FALSE;
}
