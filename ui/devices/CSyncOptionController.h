#pragma once
// Edits whether a device's converted files go to its synchronisation library, and to which
// play list.
#include "CObjectController2.h"

class CButton;
class CEntryField;
class CPortableMediaConversion;

class CSyncOptionController : public CObjectController2 {
public:
    CSyncOptionController();
    ~CSyncOptionController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    bool SetObject(CPersistObject* object, bool refresh) override;
    void Refresh() override;

    void SetControls(CButton* addToSync, CButton* addToPlayList, CEntryField* playList);
    // The add-to-sync caption is the sync text of the device's platform.
    void RefreshControlText();
    void ReflectAddToSync();
    void ReflectAddToPlayList();
    void ReflectPlayList();
    void EnterAddToSync();
    void EnterAddToPlayList();
    void EnterPlayList();

    CPortableMediaConversion* GetConversion() const;

private:
    CButton* m_addToSync = nullptr;
    CButton* m_addToPlayList = nullptr;
    CEntryField* m_playList = nullptr;
};
