#include "dshow/transforms/AudioIndicatorStage.h"

#include "dshow/BasePin.h"
#include "dshow/PcmSample.h"
#include "dshow/VideoInfo.h"
#include "dshow/transforms/PictureDrawing.h"
#include "dshow/transforms/TransformIds.h"
#include "win32/audio/WaveFormat.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr LONG kWidth = 160, kHeight = 120;
constexpr int kPicturesPerSecond = 25;
constexpr REFERENCE_TIME kFrame = kUnitsPerSecond / kPicturesPerSecond;
} // namespace

HRESULT CAudioIndicatorStage::Create(REFIID iid, void** object)
{
    return CreateComObject<CAudioIndicatorStage>(iid, object);
}

CAudioIndicatorStage::CAudioIndicatorStage() : CBaseFilter(CLSID_AudioIndicator)
{
    AddPin(PINDIR_INPUT, u"Audio In");
    AddPin(PINDIR_OUTPUT, u"Video Out");
}

HRESULT CAudioIndicatorStage::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin->Direction() == PINDIR_INPUT) return PcmFormatOf(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    return CheckOfferedType(pin, type);
}

HRESULT CAudioIndicatorStage::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin->Direction() != PINDIR_OUTPUT || index != 0) return S_FALSE;
    MakeRgbVideoType(type, MEDIASUBTYPE_RGB32, kWidth, kHeight, kFrame);
    return type.pbFormat ? S_OK : E_OUTOFMEMORY;
}

HRESULT CAudioIndicatorStage::OnPause()
{
    if (State() == State_Stopped) {
        std::lock_guard lock(m_streamLock);
        m_peaks.clear();
        m_frames = 0;
        m_pictures = 0;
    }
    return S_OK;
}

HRESULT CAudioIndicatorStage::SendPicture()
{
    m_picture.assign(size_t(kWidth) * kHeight * 4, 0);
    VideoPicture picture;
    picture.data = m_picture.data();
    picture.width = kWidth;
    picture.height = kHeight;
    picture.stride = kWidth * 4;
    const LONG channels = LONG(std::max<size_t>(1, m_peaks.size()));
    const LONG barWidth = kWidth / channels;
    for (LONG c = 0; c < LONG(m_peaks.size()); ++c) {
        LONG height = LONG(int64_t(m_peaks[size_t(c)]) * kHeight / 32768);
        PaintRect(picture, c * barWidth + 2, kHeight - height, barWidth - 4, height, 0, 200, 0);
    }
    MediaSample sample;
    sample.data = m_picture.data();
    sample.size = LONG(m_picture.size());
    sample.hasTime = true;
    sample.start = m_pictures * kFrame;
    sample.stop = sample.start + kFrame;
    ++m_pictures;
    std::fill(m_peaks.begin(), m_peaks.end(), 0);
    m_frames = 0;
    HRESULT hr = PinAt(1)->Deliver(sample);
    return hr == VFW_E_NOT_CONNECTED ? S_OK : hr;
}

HRESULT CAudioIndicatorStage::Receive(CBasePin*, const MediaSample& sample)
{
    const WAVEFORMATEX* wave = PcmFormatOf(PinAt(0)->MediaType());
    if (!wave) return VFW_E_NOT_CONNECTED;
    std::lock_guard lock(m_streamLock);
    m_peaks.resize(wave->nChannels, 0);
    const int64_t perPicture = std::max<int64_t>(1, wave->nSamplesPerSec / kPicturesPerSecond);
    const LONG frames = sample.size / wave->nBlockAlign;
    for (LONG f = 0; f < frames; ++f) {
        const BYTE* frame = sample.data + size_t(f) * wave->nBlockAlign;
        const int bytes = wave->wBitsPerSample / 8;
        for (WORD c = 0; c < wave->nChannels; ++c) {
            // Levels on the 16-bit scale whatever the depth.
            const int level = std::abs(ReadPcmSample(frame + c * bytes, bytes) >> 16);
            m_peaks[c] = std::max(m_peaks[c], std::min(level, 32767));
        }
        if (++m_frames >= perPicture) {
            HRESULT hr = SendPicture();
            if (hr != S_OK) return hr;
        }
    }
    return S_OK;
}

HRESULT CAudioIndicatorStage::EndOfStream(CBasePin*)
{
    {
        std::lock_guard lock(m_streamLock);
        if (m_frames > 0) SendPicture();
    }
    return PinAt(1)->IsConnected() ? PinAt(1)->DeliverEndOfStream() : S_OK;
}
