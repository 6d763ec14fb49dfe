#include "CTransformChain.h"

#include "CBufferFilter.h"
#include "CDecoderFilter.h"
#include "CDecoderInfo.h"
#include "ChainStages.h"
#include "CTimeCleanerFilter.h"
#include "CTimeDropperFilter.h"
#include "CTimeShifterFilter.h"
#include "EngineGuid.h"
#include "UDirectShowUtils.h"
#include "VideoFormatBlocks.h"
#include "dshow/MediaType.h"
#include "dshow/VideoInfo.h"
#include "win32/audio/WaveFormat.h"

namespace {

const GUID kFormatMpegVideo = EngineGuid("{05589F82-C356-11CE-BF01-00AA0055595A}");
const GUID kFormatMpeg2Video = EngineGuid("{E06D80E3-DB46-11CF-B4D1-00805F6CBBEA}");

// The compression code of the bitmap header inside a format block, read only when the
// block is long enough to hold it.
template <class Header>
bool CompressionOf(const AM_MEDIA_TYPE& type, unsigned long& code)
{
    if (!type.pbFormat || type.cbFormat < sizeof(Header)) return false;
    code = reinterpret_cast<const Header*>(type.pbFormat)->bmiHeader.biCompression;
    return true;
}

} // namespace

CTransformChain::CTransformChain(CDirectShowGraph* graph, CFilterPin* inputPin) : m_graph(graph), m_inputPin(inputPin)
{
}

CTransformChain::~CTransformChain()
{
    // The derived stages are gone here: each derived chain releases in its own destructor.
    CTransformChain::Release();
}

GUID CTransformChain::GetDecoderId() const
{
    return m_decoder ? m_decoder->GetId() : GUID_NULL;
}

bool CTransformChain::ConnectDecoder()
{
    return ConnectDecoderTo(m_decoder, false);
}

bool CTransformChain::ConnectDecoder2()
{
    return ConnectDecoderTo(m_decoder2, true);
}

bool CTransformChain::DynamicConnectDecoderList(CDecoderInfo* registry)
{
    return DynamicConnectDecoderListTo(registry, false);
}

bool CTransformChain::DynamicConnectDecoder2List(CDecoderInfo* registry)
{
    return DynamicConnectDecoderListTo(registry, true);
}

bool CTransformChain::DynamicConnectDecoder(CFilterPin* pin, AM_MEDIA_TYPE* type, CDecoderInfo* registry, int index)
{
    return DynamicConnectDecoderTo(m_decoder, pin, type, registry, index);
}

bool CTransformChain::DynamicConnectDecoder2(CFilterPin* pin, AM_MEDIA_TYPE* type, CDecoderInfo* registry, int index)
{
    return DynamicConnectDecoderTo(m_decoder2, pin, type, registry, index);
}

bool CTransformChain::ConnectDecoderTo(CDecoderFilter*& decoder, bool second)
{
    CDecoderInfo* registry = GetDecoderInfo();
    if (!registry) return false;
    const bool connected = second ? DynamicConnectDecoder2List(registry) : DynamicConnectDecoderList(registry);
    if (connected) return true;
    if (decoder) {
        decoder->Release();
        delete decoder;
        decoder = nullptr;
    }
    return false;
}

bool CTransformChain::DynamicConnectDecoderListTo(CDecoderInfo* registry, bool second)
{
    CFilterPin* pin = GetOutputPin();
    if (!pin || !registry || !pin->GetPin()) return false;
    const int types = UDirectShowUtils::CountMediaTypes(pin->GetPin());
    for (int t = 0; t < types; ++t) {
        AM_MEDIA_TYPE* type = UDirectShowUtils::GetMediaType(pin->GetPin(), t);
        if (!type) continue;
        bool connected = false;
        for (int i = 0; i < registry->GetCodecCount() && !connected; ++i)
            connected = second ? DynamicConnectDecoder2(pin, type, registry, i)
                               : DynamicConnectDecoder(pin, type, registry, i);
        DeleteMediaType(type);
        if (connected) return true;
    }
    return false;
}

bool CTransformChain::DynamicConnectDecoderTo(CDecoderFilter*& decoder, CFilterPin* pin, AM_MEDIA_TYPE* type,
                                              CDecoderInfo* registry, int index)
{
    if (!pin || !type || !registry || index == -1) return false;
    if (!decoder) decoder = new CDecoderFilter(m_graph);
    const GUID id = registry->GetCodecId(index);
    bool isDmo = false;
    bool tried = false;
    if (!registry->UseDecoder(id, type->subtype, isDmo, tried)) {
        decoder->Release();
        return false;
    }
    decoder->Release();
    decoder->SetId(id, isDmo);
    if (!decoder->Create()) {
        decoder->Release();
        return false;
    }
    // Recorded as failing first: an attempt that never returns is skipped next time.
    if (!tried) registry->SetUseDecoder(id, type->subtype, false);
    const bool connected = decoder->GetInputPin() && decoder->GetInputPin()->Connect(pin, nullptr);
    if (!tried) registry->SetUseDecoder(id, type->subtype, true);
    if (connected) return true;
    decoder->Release();
    return false;
}

bool CTransformChain::ConnectTimeDropper()
{
    return AppendStage(m_timeDropper, m_graph, GetOutputPin(), NoSetup<CTimeDropperFilter>);
}

bool CTransformChain::ConnectTimeShift(double shift)
{
    return AppendStage(m_timeShifter, m_graph, GetOutputPin(), [&](CTimeShifterFilter& f) { f.SetShift(shift); });
}

bool CTransformChain::ConnectTimeCleaner()
{
    return AppendStage(m_timeCleaner, m_graph, GetOutputPin(), NoSetup<CTimeCleanerFilter>);
}

bool CTransformChain::ConnectBuffer()
{
    return AppendStage(m_buffer, m_graph, GetOutputPin(), NoSetup<CBufferFilter>);
}

void CTransformChain::ReleaseDecoder2()
{
    ReleaseStage(m_decoder2);
}

void CTransformChain::ReleaseDecoder()
{
    ReleaseStage(m_decoder);
}

void CTransformChain::ReleaseTimeDropper()
{
    ReleaseStage(m_timeDropper);
}

void CTransformChain::ReleaseTimeShifter()
{
    ReleaseStage(m_timeShifter);
}

void CTransformChain::ReleaseTimeCleaner()
{
    ReleaseStage(m_timeCleaner);
}

void CTransformChain::ReleaseBuffer()
{
    ReleaseStage(m_buffer);
}

void CTransformChain::Release()
{
    Disconnect();
    ReleaseSelf();
}

void CTransformChain::ReleaseSelf()
{
    ReleaseBuffer();
    ReleaseTimeCleaner();
    ReleaseTimeShifter();
    ReleaseTimeDropper();
    ReleaseDecoder2();
    ReleaseDecoder();
}

CFilterPin* CTransformChain::GetOutputPin()
{
    CFilterPin* pin = m_inputPin;
    while (pin && pin->GetConnectedPin()) {
        CFilterPin* next = GetNextPin(pin);
        if (!next || next == pin) break;
        pin = next;
    }
    return pin;
}

CFilterPin* CTransformChain::GetNextPin(CFilterPin* pin)
{
    if (!pin) return nullptr;
    CFilterPin* next = nullptr;
    if (StageAfter(m_decoder, pin, next) || StageAfter(m_decoder2, pin, next) || StageAfter(m_timeDropper, pin, next) ||
        StageAfter(m_timeShifter, pin, next) || StageAfter(m_timeCleaner, pin, next) || StageAfter(m_buffer, pin, next))
        return next;
    return pin;
}

CFilterPin* CTransformChain::GetPreviousPin(CFilterPin* pin)
{
    if (!pin) return nullptr;
    CFilterPin* previous = nullptr;
    if (StageBefore(m_decoder, pin, previous) || StageBefore(m_decoder2, pin, previous) ||
        StageBefore(m_timeDropper, pin, previous) || StageBefore(m_timeShifter, pin, previous) ||
        StageBefore(m_timeCleaner, pin, previous) || StageBefore(m_buffer, pin, previous))
        return previous;
    return nullptr;
}

void CTransformChain::Disconnect()
{
    CFilterPin* pin = GetOutputPin();
    while (pin) {
        pin->Disconnect();
        CFilterPin* previous = GetPreviousPin(pin);
        if (previous == pin) break;
        pin = previous;
    }
}

bool CTransformChain::GetStreamType(GUID& subtype, unsigned long& code, bool& plain, GUID& decoderId, GUID& decoder2Id)
{
    IPin* pin = m_inputPin ? m_inputPin->GetPin() : nullptr;
    AM_MEDIA_TYPE* type = pin ? UDirectShowUtils::GetMediaType(pin, 0) : nullptr;
    if (!type) return false;
    subtype = type->subtype;
    code = 0;
    plain = false;
    if (type->formattype == kFormatMpegVideo) {
        CompressionOf<VIDEOINFOHEADER>(*type, code);
    } else if (type->formattype == kFormatMpeg2Video) {
        CompressionOf<VIDEOINFOHEADER2>(*type, code);
    } else if (type->formattype == FORMAT_VideoInfo || type->formattype == FORMAT_VideoInfo2) {
        if (type->formattype == FORMAT_VideoInfo)
            CompressionOf<VIDEOINFOHEADER>(*type, code);
        else
            CompressionOf<VIDEOINFOHEADER2>(*type, code);
        plain = UDirectShowUtils::HasUncompressedVideoType(pin);
    } else if (type->formattype == FORMAT_WaveFormatEx) {
        if (type->pbFormat && type->cbFormat >= sizeof(WORD))
            code = reinterpret_cast<const WAVEFORMATEX*>(type->pbFormat)->wFormatTag;
        plain = UDirectShowUtils::HasPcmAudioType(pin);
    }
    DeleteMediaType(type);
    if (m_decoder) decoderId = m_decoder->GetId();
    if (m_decoder2) decoder2Id = m_decoder2->GetId();
    return true;
}
