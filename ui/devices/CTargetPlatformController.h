#pragma once
// Edits one device platform: its name, whether it syncs and is offered, its default play
// list, the sync text and the notes.
#include "CObjectController2.h"

class CButton;
class CEntryField;
class CTargetPlatform;

class CTargetPlatformController : public CObjectController2 {
public:
    CTargetPlatformController();
    ~CTargetPlatformController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    // Any may be null.
    void SetControls(CEntryField* name, CButton* canSync, CButton* active, CEntryField* playList,
                     CEntryField* syncText, CEntryField* notes);

    void ReflectName();
    void ReflectCanSync();
    void ReflectActive();
    void ReflectPlayList();
    void ReflectSyncText();
    void ReflectNotes();
    void EnterName();
    void EnterCanSync();
    void EnterActive();
    void EnterPlayList();
    void EnterSyncText();
    void EnterNotes();

    CTargetPlatform* GetPlatform() const;

private:
    using Reflect = void (CTargetPlatformController::*)();
    template <class Record>
    void EnterText(CEntryField* field, bool (Record::*set)(const char*), Reflect reflect);
    void EnterFlag(CButton* check, bool (CTargetPlatform::*set)(bool), Reflect reflect);

    CEntryField* m_name = nullptr;
    CButton* m_canSync = nullptr;
    CButton* m_active = nullptr;
    CEntryField* m_playList = nullptr;
    CEntryField* m_syncText = nullptr;
    CEntryField* m_notes = nullptr;
};
