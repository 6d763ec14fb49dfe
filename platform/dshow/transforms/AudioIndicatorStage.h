#pragma once
// "Audio Indicator": turns PCM on "Audio In" into a picture of its level on "Video Out":
// one bar a channel, as high as the loudest sample of each 25th of a second.
#include "dshow/BaseFilter.h"

#include <vector>

class CAudioIndicatorStage : public CBaseFilter {
public:
    static HRESULT Create(REFIID iid, void** object);
    CAudioIndicatorStage();

    HRESULT CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type) override;
    HRESULT GetMediaType(CBasePin* pin, int index, CMediaType& type) override;
    HRESULT Receive(CBasePin* pin, const MediaSample& sample) override;
    HRESULT EndOfStream(CBasePin* pin) override;

protected:
    HRESULT OnPause() override;

private:
    HRESULT SendPicture();

    std::mutex m_streamLock;
    std::vector<int> m_peaks; // per channel, 0..32767
    int64_t m_frames = 0;     // sample frames in the picture being gathered
    int64_t m_pictures = 0;
    std::vector<BYTE> m_picture;
};
