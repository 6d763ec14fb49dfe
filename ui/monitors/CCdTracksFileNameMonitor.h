#pragma once
// Names the output files of audio CD tracks "track01", "track02" ... after the output type.
#include "CListener.h"
#include "afx/CString.h"

class CAudioCdTrack2;
class COutputType2;
class CPersistList;

class CCdTracksFileNameMonitor : public CListener {
public:
    CCdTracksFileNameMonitor() = default;
    CCdTracksFileNameMonitor(const CCdTracksFileNameMonitor& other);
    CCdTracksFileNameMonitor& operator=(const CCdTracksFileNameMonitor& other);
    ~CCdTracksFileNameMonitor() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    virtual CString GetExtension();

    void SetOutputType(COutputType2* output);
    void SetFiles(CPersistList* tracks);
    void Update();
    void UpdateFile(CAudioCdTrack2* track);

private:
    COutputType2* m_output = nullptr;
    CPersistList* m_tracks = nullptr;
};
