#include "dshow/sources/TestPatternSource.h"

#include "dshow/BasePin.h"
#include "dshow/VideoInfo.h"
#include "dshow/sources/SourceIds.h"

namespace {

struct Size {
    LONG width, height;
};
constexpr Size kSizes[] = {{320, 240}, {640, 480}, {352, 288}, {176, 144}};
constexpr int kTypes = int(std::size(kSizes)) * 2;
constexpr REFERENCE_TIME kFrame = kUnitsPerSecond / 25;
constexpr int64_t kFrames = 250;
// Colour bars, blue green red.
constexpr BYTE kBars[8][3] = {{255, 255, 255}, {0, 255, 255}, {255, 255, 0}, {0, 255, 0},
                              {255, 0, 255},   {0, 0, 255},   {255, 0, 0},   {0, 0, 0}};

} // namespace

HRESULT CTestPatternSource::Create(REFIID iid, void** object)
{
    return CreateComObject<CTestPatternSource>(iid, object);
}

CTestPatternSource::CTestPatternSource() : CPushSource(CLSID_VideoTestSource) { AddPin(PINDIR_OUTPUT, u"Video"); }

CTestPatternSource::~CTestPatternSource() { OnStop(); }

void* CTestPatternSource::FindInterface(REFIID iid)
{
    if (iid == IVideoTestSettings::kIid) return static_cast<IVideoTestSettings*>(this);
    return CPushSource::FindInterface(iid);
}

HRESULT CTestPatternSource::SetPattern(LONG pattern)
{
    if (pattern < 0 || pattern > 1) return E_INVALIDARG;
    m_pattern = pattern;
    return S_OK;
}

HRESULT CTestPatternSource::GetMediaType(CBasePin*, int index, CMediaType& type)
{
    if (index < 0 || index >= kTypes) return S_FALSE;
    const Size& size = kSizes[index / 2];
    MakeRgbVideoType(type, index % 2 ? MEDIASUBTYPE_RGB24 : MEDIASUBTYPE_RGB32, size.width, size.height, kFrame);
    return S_OK;
}

HRESULT CTestPatternSource::CheckMediaType(CBasePin* pin, const AM_MEDIA_TYPE& type)
{
    const VIDEOINFOHEADER* wanted = RgbVideoInfo(type);
    for (int i = 0; wanted && i < kTypes; ++i) {
        CMediaType own;
        GetMediaType(pin, i, own);
        const VIDEOINFOHEADER* offered = RgbVideoInfo(own);
        if (own.subtype == type.subtype && offered->bmiHeader.biWidth == wanted->bmiHeader.biWidth
            && offered->bmiHeader.biHeight == wanted->bmiHeader.biHeight)
            return S_OK;
    }
    return VFW_E_TYPE_NOT_ACCEPTED;
}

HRESULT CTestPatternSource::SeekTo(REFERENCE_TIME position)
{
    m_frame = position / kFrame;
    return S_OK;
}

REFERENCE_TIME CTestPatternSource::MediaDuration() { return kFrames * kFrame; }

void CTestPatternSource::Draw(const VIDEOINFOHEADER& info, int64_t frame)
{
    const LONG width = info.bmiHeader.biWidth, height = info.bmiHeader.biHeight;
    const int bytes = info.bmiHeader.biBitCount / 8;
    const size_t stride = size_t((width * bytes + 3) & ~3);
    m_picture.assign(size_t(info.bmiHeader.biSizeImage), 0);
    for (LONG y = 0; y < height; ++y) {
        BYTE* row = m_picture.data() + size_t(y) * stride;
        for (LONG x = 0; x < width; ++x) {
            BYTE* p = row + size_t(x) * bytes;
            if (m_pattern == 1) {
                p[0] = p[1] = p[2] = BYTE(x * 255 / std::max<LONG>(1, width - 1));
            } else {
                const BYTE* bar = kBars[((x + frame * 4) * 8 / width) % 8];
                p[0] = bar[0];
                p[1] = bar[1];
                p[2] = bar[2];
            }
            if (bytes == 4) p[3] = 0xFF;
        }
    }
}

HRESULT CTestPatternSource::ProduceNext()
{
    const VIDEOINFOHEADER* info = RgbVideoInfo(PinAt(0)->MediaType());
    if (!info || !PinAt(0)->IsConnected()) return S_FALSE;
    if (m_frame >= kFrames || PastStop(m_frame * kFrame)) return S_FALSE;
    Draw(*info, m_frame);
    MediaSample sample;
    sample.data = m_picture.data();
    sample.size = LONG(m_picture.size());
    sample.hasTime = true;
    sample.start = m_frame * kFrame;
    sample.stop = sample.start + kFrame;
    SetReached(sample.start);
    ++m_frame;
    HRESULT hr = PinAt(0)->Deliver(sample);
    return hr == S_FALSE ? S_FALSE : hr;
}
