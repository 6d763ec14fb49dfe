#pragma once
// "Audio Test": ten seconds of a 440 Hz tone on its "Audio" pin, as PCM of whichever of
// the usual rates, channel counts and sample sizes the pin is connected with.
#include "dshow/PushSource.h"

class CTestToneSource : public CPushSource {
public:
    static HRESULT Create(REFIID iid, void** object);
    CTestToneSource();

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

protected:
    ~CTestToneSource() override;
    HRESULT ProduceNext() override;
    HRESULT SeekTo(REFERENCE_TIME position) override;
    REFERENCE_TIME MediaDuration() override;

private:
    int64_t m_sample = 0; // the next sample frame
};
