#include "dshow/encoders/DvVideoEncoder.h"

#include "dshow/BasePin.h"
#include "dshow/PictureFormat.h"
#include "dshow/VideoInfo.h"
#include "dshow/encoders/VideoEncoderIds.h"
#include "dshow/encoders/VideoEncoding.h"
#include "dshow/formats/DvFormat.h"

namespace {
const VideoEncoderKind kDvKind = {&CLSID_DvVideoEncoder, "DV Video Encoder", "dvvideo"};
}

HRESULT CDvVideoEncoder::Create(REFIID iid, void** object) { return CreateComObject<CDvVideoEncoder>(iid, object); }

CDvVideoEncoder::CDvVideoEncoder() : CVideoStreamEncoder(kDvKind) {}

void* CDvVideoEncoder::FindInterface(REFIID iid)
{
    if (iid == IDVEnc::kIid) return static_cast<IDVEnc*>(this);
    return CVideoStreamEncoder::FindInterface(iid);
}

HRESULT CDvVideoEncoder::get_IFormatResolution(int* videoFormat, int* dvFormat, int* resolution, BYTE, void*)
{
    if (!videoFormat || !dvFormat || !resolution) return E_POINTER;
    const DvSystem* system = m_system ? m_system : m_chosen ? m_chosen : &kDvNtsc;
    *videoFormat = system == &kDvPal ? kDvEncoderVideoFormatPal : kDvEncoderVideoFormatNtsc;
    *dvFormat = kDvEncoderFormatDvsd;
    *resolution = kDvEncoderResolutionFull;
    return S_OK;
}

// Only full-size standard DV is made.
HRESULT CDvVideoEncoder::put_IFormatResolution(int videoFormat, int dvFormat, int resolution, BYTE, void*)
{
    if ((videoFormat != kDvEncoderVideoFormatNtsc && videoFormat != kDvEncoderVideoFormatPal)
        || dvFormat != kDvEncoderFormatDvsd || resolution != kDvEncoderResolutionFull)
        return E_INVALIDARG;
    const DvSystem* system = videoFormat == kDvEncoderVideoFormatPal ? &kDvPal : &kDvNtsc;
    if (PinAt(0)->IsConnected() && system != m_system) return VFW_E_WRONG_STATE;
    m_chosen = system;
    return S_OK;
}

const DvSystem* CDvVideoEncoder::SystemFor(const AM_MEDIA_TYPE& type) const
{
    const VIDEOINFOHEADER* info = PictureVideoInfo(type);
    if (!info) return nullptr;
    const DvSystem* system = DvSystemOfFrameTime(info->AvgTimePerFrame);
    if (!system || (m_chosen && system != m_chosen)) return nullptr;
    const LONG width = info->bmiHeader.biWidth;
    const LONG height = info->bmiHeader.biHeight < 0 ? -info->bmiHeader.biHeight : info->bmiHeader.biHeight;
    const DvSystem& other = system == &kDvPal ? kDvNtsc : kDvPal;
    if (width < 2 || height < 2 || (width == other.width && height == other.height)) return nullptr;
    return system;
}

HRESULT CDvVideoEncoder::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin->Direction() == PINDIR_INPUT) return SystemFor(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    return CheckOfferedType(pin, type);
}

HRESULT CDvVideoEncoder::GetMediaType(CBasePin* pin, int index, CMediaType& type)
{
    if (pin->Direction() != PINDIR_OUTPUT || index != 0 || !m_system) return S_FALSE;
    MakeDvType(type, *m_system, false);
    return S_OK;
}

HRESULT CDvVideoEncoder::OpenEncoding(const VIDEOINFOHEADER& input)
{
    if (!m_system) return VFW_E_NOT_CONNECTED;
    VideoEncodingTarget target;
    target.width = m_system->width;
    target.height = m_system->height;
    target.pixelFormat = m_system->pixelFormat;
    target.rateNum = m_system->rateNum;
    target.rateDen = m_system->rateDen;
    return Encoding().Open(Kind().encoder, input, 0, 0, false, &target);
}

HRESULT CDvVideoEncoder::CompleteConnect(CBasePin* pin, IPin* peer)
{
    if (pin->Direction() == PINDIR_INPUT) m_system = SystemFor(pin->MediaType());
    const HRESULT hr = CVideoStreamEncoder::CompleteConnect(pin, peer);
    if (FAILED(hr) && pin->Direction() == PINDIR_INPUT) m_system = nullptr;
    return hr;
}

void CDvVideoEncoder::BreakConnect(CBasePin* pin)
{
    CVideoStreamEncoder::BreakConnect(pin);
    if (pin->Direction() == PINDIR_INPUT) m_system = nullptr;
}
