#pragma once
// Decides which probed media files a list takes by the tracks they have, keeps the
// accepted ones for the list and the rejected ones for the user's report.
#include "CBroadcaster.h"
#include "CListener.h"
#include "CPersistList.h"
#include "CPointerList.h"
#include "CProgressDialog2.h"

class CMediaVerifier : public CListener, public CBroadcaster {
public:
    enum { kMediaVerifiedMessage = 5548341 };

    CMediaVerifier(bool addAudio, bool addVideo, bool requireAudio);
    CMediaVerifier(const CMediaVerifier&) = delete;
    CMediaVerifier& operator=(const CMediaVerifier&) = delete;
    ~CMediaVerifier() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    // Deletes every accepted file and empties both lists.
    virtual void Reset();
    // Ends the progress dialog and sorts the probed files.
    virtual void FinishAdd();
    virtual void PopulateMediaList() = 0;
    virtual void PromptFailedFiles() = 0;

    void SetAddAudio(bool on) { m_addAudio = on; }
    void SetAddVideo(bool on) { m_addVideo = on; }
    void SetRequireAudio(bool on) { m_requireAudio = on; }
    bool GetAddAudio() const { return m_addAudio; }
    bool GetAddVideo() const { return m_addVideo; }
    bool GetRequireAudio() const { return m_requireAudio; }
    // The accepted CMediaFile2*, owned until a listener takes them out.
    CPointerList& GetMediaList() { return m_mediaList; }
    CPersistList& GetFailList() { return m_failList; }
    CProgressDialog2& GetProgressDialog() { return m_progress; }

protected:
    CPointerList m_mediaList;
    CPersistList m_failList{true};
    CProgressDialog2 m_progress{500, nullptr};
    bool m_addAudio;
    bool m_addVideo;
    bool m_requireAudio;
};
