#include "dshow/transforms/3dMixStage.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/transforms/TransformIds.h"


namespace {

constexpr LONG kGreyScale = 1;
constexpr LONG kCyan = 0, kBlue = 1, kGreen = 2;

// Blue, green, red of the pixel counted from the top left.
BYTE* PixelAt(const VideoPicture& picture, LONG x, LONG y)
{
    const LONG row = picture.bottomUp ? picture.height - 1 - y : y;
    return picture.data + size_t(row) * size_t(picture.stride) + size_t(x) * (picture.bits / 8);
}

BYTE Luminance(const BYTE* bgr) { return BYTE((114 * bgr[0] + 587 * bgr[1] + 299 * bgr[2] + 500) / 1000); }

} // namespace

HRESULT C3dMixStage::Create(REFIID iid, void** object) { return CreateComObject<C3dMixStage>(iid, object); }

C3dMixStage::C3dMixStage() : CVideoStageFilter(CLSID_3dMix, u"Input 1", u"Output") { AddPin(PINDIR_INPUT, u"Input 2"); }

void* C3dMixStage::FindInterface(REFIID iid)
{
    if (iid == I3dMixSettings::kIid) return static_cast<I3dMixSettings*>(this);
    return CVideoStageFilter::FindInterface(iid);
}

// Only the anaglyph is made; other modes are kept but mix the same way.
HRESULT C3dMixStage::SetMode(LONG mode)
{
    m_mode = mode;
    return S_OK;
}

HRESULT C3dMixStage::SetAnaglyphColor(LONG color)
{
    if (color < 0 || color > kGreyScale) return E_INVALIDARG;
    m_color = color;
    return S_OK;
}

HRESULT C3dMixStage::SetAnaglyphFilter(LONG filter)
{
    if (filter < kCyan || filter > kGreen) return E_INVALIDARG;
    m_filter = filter;
    return S_OK;
}

HRESULT C3dMixStage::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    if (pin == Right()) return RgbVideoInfo(type) ? S_OK : VFW_E_TYPE_NOT_ACCEPTED;
    return CVideoStageFilter::CheckMediaType(pin, type);
}

HRESULT C3dMixStage::Receive(CBasePin* pin, const MediaSample& sample)
{
    if (pin != Right()) return CVideoStageFilter::Receive(pin, sample);
    const VIDEOINFOHEADER* info = RgbVideoInfo(Right()->MediaType());
    if (!info) return VFW_E_NOT_CONNECTED;
    const size_t bytes = PictureBytes(*info);
    if (sample.size < 0 || size_t(sample.size) < bytes) return VFW_E_INVALIDMEDIATYPE;
    std::lock_guard lock(m_rightLock);
    m_right.assign(sample.data, sample.data + bytes);
    m_rightPicture = PictureOf(*info, m_right.data());
    return S_OK;
}

HRESULT C3dMixStage::EndOfStream(CBasePin* pin)
{
    // The right camera ending leaves its last picture in the mix.
    return pin == Right() ? S_OK : CVideoStageFilter::EndOfStream(pin);
}

HRESULT C3dMixStage::OnStop()
{
    std::lock_guard lock(m_rightLock);
    m_right.clear();
    return CVideoStageFilter::OnStop();
}

HRESULT C3dMixStage::Picture(const MediaSample& sample)
{
    const VIDEOINFOHEADER* info = InputInfo();
    std::lock_guard lock(m_rightLock);
    if (!info || m_right.empty() || m_rightPicture.width <= 0 || m_rightPicture.height <= 0) return Pass(sample);
    m_mixed.assign(sample.data, sample.data + sample.size);
    const VideoPicture left = PictureOf(*info, const_cast<BYTE*>(sample.data));
    const VideoPicture out = PictureOf(*info, m_mixed.data());
    const VideoPicture& right = m_rightPicture;
    const bool grey = m_color == kGreyScale;
    const LONG filter = m_filter;
    for (LONG y = 0; y < out.height; ++y) {
        const LONG ry = LONG(int64_t(y) * right.height / out.height);
        for (LONG x = 0; x < out.width; ++x) {
            const BYTE* l = PixelAt(left, x, y);
            const BYTE* r = PixelAt(right, LONG(int64_t(x) * right.width / out.width), ry);
            BYTE* o = PixelAt(out, x, y);
            const BYTE rightGrey = grey ? Luminance(r) : 0;
            o[2] = grey ? Luminance(l) : l[2];
            o[1] = filter == kBlue ? 0 : grey ? rightGrey : r[1];
            o[0] = filter == kGreen ? 0 : grey ? rightGrey : r[0];
        }
    }
    MediaSample mixed = sample;
    mixed.data = m_mixed.data();
    return Pass(mixed);
}
