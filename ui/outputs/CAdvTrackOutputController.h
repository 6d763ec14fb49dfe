#pragma once
// The "do not re-encode" option of a track: offered only for output types that can carry
// a stream as it is.
#include "CObjectController2.h"
#include "EMediaOutput.h"

class CButton;
class CCodecsInfo;
class CMediaOutput2;
class CTrackOutput;

class CAdvTrackOutputController : public CObjectController2 {
public:
    CAdvTrackOutputController();
    ~CAdvTrackOutputController() override;

    bool ListenToMessage(long message, const void* p, const void* q) override;
    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void SetDefault() override { SetDefaultRemux(); }
    void Refresh() override;

    virtual void SetOutput(CTrackOutput* track);
    virtual void ReflectOutputType();
    virtual void ReflectRemux();
    virtual void EnterRemux();
    virtual bool ShowRemux();
    virtual void SetDefaultRemux();

    void SetControls(CButton* remux) { m_remux = remux; }

protected:
    CMediaOutput2* GetMediaOutput() const;

    CCodecsInfo* m_catalogue = nullptr;
    CTrackOutput* m_track = nullptr;
    CButton* m_remux = nullptr;
};
