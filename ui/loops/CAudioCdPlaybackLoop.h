#pragma once
// Plays the tracks of an audio CD, round and round until stopped.
#include "CListWalkingLoop.h"
#include "win32/WinTypes.h"

class CAudioCdRipperData;
class CAudioCdReader2;
class CAudioCdTrack2;

class CAudioCdPlaybackLoop : public CListWalkingLoop {
public:
    void Reset() override;
    CDirectShowAdministrator2* CreateAdministratorSelf() override;
    bool ProcessItem() override;
    char* GetText() override;

    virtual void SetBatch(CAudioCdRipperData* batch);
    void SetAdapterId(BYTE adapter) { m_adapter = adapter; }
    void SetScsiId(BYTE scsi) { m_scsi = scsi; }
    CAudioCdTrack2* GetCurrentTrack() const;
    CAudioCdReader2* GetCd() const { return m_cd; }

protected:
    BYTE m_adapter = 0;
    BYTE m_scsi = 0;
    CAudioCdReader2* m_cd = nullptr;
};
