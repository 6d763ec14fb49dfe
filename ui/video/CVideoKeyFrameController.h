#pragma once
// Edits the key-frame interval and the latency of a video output.
#include "CObjectController2.h"

class CEntryField;
class CVideoOutput2;

class CVideoKeyFrameController : public CObjectController2 {
public:
    CVideoKeyFrameController();
    ~CVideoKeyFrameController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;
    char* GetText() override;

    void SetControls(CEntryField* keyFrame, CEntryField* latency);
    void ReflectKeyFrame();
    void ReflectLatency();
    void EnterKeyFrame();
    void EnterLatency();

private:
    CVideoOutput2* GetVideoOutput() const;

    CEntryField* m_keyFrame = nullptr;
    CEntryField* m_latency = nullptr;
};
