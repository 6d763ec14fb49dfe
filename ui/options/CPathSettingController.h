#pragma once
// What the path option controllers share: one or two path fields, each reflecting one path
// of the setting and entering the text when the user finishes editing it.
#include "CObjectController2.h"
#include "afx/CString.h"

class CEntryField;

class CPathSettingController : public CObjectController2 {
public:
    ~CPathSettingController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;

    void ReflectPath(int slot);
    void EnterPath(int slot);

protected:
    // The path of a slot, its setter (false when refused or unchanged) and its notice.
    virtual CString GetPath(int slot) = 0;
    virtual bool SetPath(int slot, const char* path) = 0;
    virtual LONG GetNotice(int slot) const = 0;

    void SetFields(CEntryField* first, CEntryField* second);
    // Writes a chosen path into the slot's field and enters it.
    void TakePath(int slot, const char* path);
    // The folder prompter for a slot.
    void PromptFolder(int slot);

    CEntryField* m_fields[2] = {};
};
