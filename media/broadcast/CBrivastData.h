#pragma once
// The camera-broadcast application's document: the account, the cameras and the
// user's broadcasts.
#include "CBrivastAccount.h"

class CBrivastCam;

class CBrivastData : public CPersistObject {
    MV_DECLARE_PERSIST_CLASS(CBrivastData)
public:
    void SaveSelf(const char* name, CPersistStorage& storage) override;
    // Keeps only cameras and broadcasts in their lists, whatever the file holds.
    void LoadSelf(const char* name, CPersistStorage& storage) override;

    CBrivastAccount& GetAccount() { return m_account; }

    // The lists take what is added; removing deletes it.
    void AddCam(CBrivastCam* cam);
    void RemoveCam(CBrivastCam* cam);
    int GetCamCount() const { return m_cams.GetItemCount(); }
    CBrivastCam* GetCam(int index) const;
    // The first camera but the excluded one recording from the named device; with
    // primaryOnly false, a camera's second (right) device counts too.
    CBrivastCam* FindCamByName(const char* name, bool primaryOnly, const CBrivastCam* excluded) const;

    void AddBroadcast(CBrivastBroadcast* broadcast);
    void RemoveBroadcast(CBrivastBroadcast* broadcast);
    int GetBroadcastCount() const { return m_broadcasts.GetItemCount(); }
    CBrivastBroadcast* GetBroadcast(int index) const;
    CBrivastBroadcast* FindBroadcastByName(const char* name) const;

private:
    CBrivastAccount m_account;
    CPersistList m_cams{true};
    CPersistList m_broadcasts{true};
};
