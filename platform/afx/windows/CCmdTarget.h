#pragma once
// The base of every class that receives commands through a message map.
#include "afx/CObject.h"
#include "afx/windows/MessageMap.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    // A copy is a new, separate target: nothing routes to it yet.
    CCmdTarget(const CCmdTarget&) : CObject() {}
    CCmdTarget& operator=(const CCmdTarget&) { return *this; }
    ~CCmdTarget() override = default;

    // Routes a command (nCode CN_COMMAND or a control notification code), an update
    // request (CN_UPDATE_COMMAND_UI, pExtra a CCmdUI*) or a notification
    // (MAKELONG(code, WM_NOTIFY), pExtra an AFX_NOTIFY*) through this object's map.
    // With pHandlerInfo, only reports whether a handler exists.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual const MvMessageMap* GetMessageMap() const;

    // The first entry of the map chain for a message, code and id; null when none.
    static const MvMsgEntry* FindEntry(const MvMessageMap* map, UINT message, UINT code, UINT id);
    // Calls the entry's handler; false when the handler declined (EX handlers).
    bool CallEntry(const MvMsgEntry* entry, MvMsgCall& call);

protected:
    static const MvMessageMap* GetThisMessageMap();
};
