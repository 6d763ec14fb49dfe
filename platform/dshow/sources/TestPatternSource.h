#pragma once
// "Video Test": ten seconds of a test picture at 25 frames a second on its "Video" pin,
// RGB32 or RGB24 at one of the usual sizes, whichever the pin is connected with.
#include "dshow/PushSource.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"

#include <vector>

class CTestPatternSource : public CPushSource, public IVideoTestSettings {
public:
    static HRESULT Create(REFIID iid, void** object);
    CTestPatternSource();
    MV_FILTER_UNKNOWN
    HRESULT SetPattern(LONG pattern) override;

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;

protected:
    ~CTestPatternSource() override;
    void* FindInterface(REFIID iid) override;
    HRESULT ProduceNext() override;
    HRESULT SeekTo(REFERENCE_TIME position) override;
    REFERENCE_TIME MediaDuration() override;
    double FrameRate() const override { return 25; }

private:
    void Draw(const struct VIDEOINFOHEADER& info, int64_t frame);

    std::atomic<LONG> m_pattern{0};
    int64_t m_frame = 0;
    std::vector<BYTE> m_picture;
};
