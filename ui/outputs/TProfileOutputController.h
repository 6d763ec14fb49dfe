#pragma once
// What the profile controllers share: bound to a media output, they edit one of its parts
// (the Windows Media or the RealMedia output), listen to it, and sum the page up by the
// part's profile name.
#include "CMediaOutput2.h"
#include "CObjectController2.h"
#include "TListenedReference.h"
#include "UStringBuffer.h"

template <class Part, Part& (CMediaOutput2::*PartOf)()>
class TProfileOutputController : public CObjectController2 {
public:
    TProfileOutputController() { mExpectedType = FourCharCode("mdo2"); }
    ~TProfileOutputController() override { RetargetListenedReference<Part>(*this, m_output, nullptr); }

    bool ListenToMessage(long message, const void* p, const void* q) override
    {
        if (message == kBroadcasterDyingMessage) ForgetDyingReference(m_output, p);
        return CObjectController2::ListenToMessage(message, p, q);
    }
    void SetObjectSelf(CPersistObject* object) override
    {
        CObjectController2::SetObjectSelf(object);
        SetOutput(GetMediaOutput() ? &(GetMediaOutput()->*PartOf)() : nullptr);
    }
    // Turning video or audio on or off chooses the profile again.
    bool Respond(long code, CBroadcaster* sender, long a, long b) override
    {
        if (code != CMediaOutput2::kWantsVideoChangedNotice && code != CMediaOutput2::kWantsAudioChangedNotice)
            return CObjectController2::Respond(code, sender, a, b);
        SetDefault();
        Refresh();
        return true;
    }
    char* GetText() override { return UStringBuffer::Text(m_output ? m_output->GetProfile() : CString()); }
    virtual void SetOutput(Part* output) { RetargetListenedReference(*this, m_output, output); }

    CMediaOutput2* GetMediaOutput() const { return static_cast<CMediaOutput2*>(GetObjectA()); }
    bool WantsVideo() const { return GetMediaOutput() && GetMediaOutput()->GetWantsVideo(); }

protected:
    Part* m_output = nullptr;
};
