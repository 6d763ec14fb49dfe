#include "CMultiplexOutputFilters2.h"

#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CAudioTransformChain.h"
#include "CFilterPin.h"
#include "CFilterTagWriter.h"
#include "CFormatTypes.h"
#include "CFtpFileWriter.h"
#include "CInputFilters2.h"
#include "CMuxFilter.h"
#include "COutputFilter.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CVideoTransformChain.h"
#include "CWmTagWriter.h"
#include "ConstGuid.h"
#include "ReleaseFilter.h"
#include "UDirectShowUtils.h"
#include "dshow/MediaType.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <utility>

namespace {

constexpr GUID kMpeg1VideoDecoder = ConstGuid("FEB50740-7BEF-11CE-9BD9-0000E202599C");

bool IsOneOf(ESplitterType type, std::initializer_list<ESplitterType> types)
{
    return std::find(types.begin(), types.end(), type) != types.end();
}

bool IsWindowsMediaType(ESplitterType type)
{
    return IsOneOf(type, {200, 250, 251, 252});
}

IPin* PinOf(CFilterPin* pin)
{
    return pin ? pin->GetPin() : nullptr;
}

struct FreeType {
    void operator()(AM_MEDIA_TYPE* type) const { DeleteMediaType(type); }
};
using MediaTypePtr = std::unique_ptr<AM_MEDIA_TYPE, FreeType>;

} // namespace

CMultiplexOutputFilters2::CMultiplexOutputFilters2(CDirectShowGraph* graph) : CDecodingOutputFilters(graph)
{
    m_outputType = kOutputProcessing;
}

CMultiplexOutputFilters2::~CMultiplexOutputFilters2()
{
    CMultiplexOutputFilters2::Release();
}

void CMultiplexOutputFilters2::SetAudioCodecName(const char* name, const char* device)
{
    m_audioCodecName = name ? name : "";
    m_audioCodecDevice = device ? device : "";
}

void CMultiplexOutputFilters2::SetVideoCodecName(const char* name, const char* device)
{
    m_videoCodecName = name ? name : "";
    m_videoCodecDevice = device ? device : "";
}

const CFormatType* CMultiplexOutputFilters2::FormatRow() const
{
    return CFormatTypes::sFormatTypes ? CFormatTypes::sFormatTypes->FindFileType(m_splitterType) : nullptr;
}

// ---- the whole connection ----

bool CMultiplexOutputFilters2::Connect(CInputFilters2* input)
{
    if (PrepareOutput(input) && CNilOutputFilters2::Connect(input) && KeepsWantedStreams(input) && ConnectOutput()) {
        WriteTags();
        return true;
    }
    Disconnect();
    return false;
}

// A stream the job asks for that could not be made fails the job, never leaves the file without it.
bool CMultiplexOutputFilters2::KeepsWantedStreams(CInputFilters2* input) const
{
    if (m_wantsVideo && SupportVideo() && input->GetVideoPinCount(m_outputType) > 0 && m_videoChains.empty())
        return false;
    return !(m_wantsAudio && SupportAudio() && input->GetAudioPinCount(m_outputType) > 0 && m_audioChains.empty());
}

bool CMultiplexOutputFilters2::PrepareOutput(CInputFilters2*)
{
    return true;
}

void CMultiplexOutputFilters2::Disconnect()
{
    if (m_writer) {
        if (m_writer->GetInputPin()) m_writer->GetInputPin()->Disconnect();
        if (m_writer->GetVideoInputPin()) m_writer->GetVideoInputPin()->Disconnect();
        if (m_writer->GetAudioInputPin()) m_writer->GetAudioInputPin()->Disconnect();
    }
    if (m_mux) {
        m_mux->GetAudioInPin()->Disconnect();
        m_mux->GetVideoInPin(0)->Disconnect();
    }
    CDecodingOutputFilters::Disconnect();
}

void CMultiplexOutputFilters2::Release()
{
    CDecodingOutputFilters::Release();
    ReleaseFilter(m_writer);
    ReleaseFilter(m_mux2);
    ReleaseFilter(m_mux);
}

CString CMultiplexOutputFilters2::GetStatus()
{
    // Only the FTP writer reports a status of its own.
    if (const auto* ftp = dynamic_cast<const CFtpFileWriter*>(m_writer)) return ftp->GetStatus();
    return CString();
}

bool CMultiplexOutputFilters2::GetPosition(double& seconds)
{
    CDirectShowFilter* const filters[] = {m_mux, m_writer};
    for (CDirectShowFilter* filter : filters)
        if (filter && (filter->GetPassTime(seconds) || filter->GetPosition(seconds))) return true;
    return false;
}

// ---- what the output type allows ----

bool CMultiplexOutputFilters2::SupportVideo() const
{
    const CFormatType* row = FormatRow();
    return row && (row->GetInterfaceType() == 0 || row->AllowInterface(13));
}

bool CMultiplexOutputFilters2::SupportAudio() const
{
    const CFormatType* row = FormatRow();
    return row && (row->GetInterfaceType() == 0 || row->AllowInterface(14));
}

bool CMultiplexOutputFilters2::UseProfile() const
{
    return IsOneOf(m_splitterType, {250, 251, 252});
}

namespace {

template <class Info>
bool UsesCodec(const Info* codec, ESplitterType type)
{
    return codec && codec->IsSupported(type);
}

template <class Info>
bool UsesCodecFilter(const Info* codec)
{
    // A codec without a class id that is marked virtual is one the writer encodes itself.
    return codec->GetId() != GUID{} || !codec->GetVirtual();
}

} // namespace

bool CMultiplexOutputFilters2::UseAudioCodec() const
{
    if (UseProfile() || !m_wantsAudio || !SupportAudio() || m_audioCodecName.IsEmpty()) return false;
    const CAudioCodecsInfo* codecs = CAudioCodecsInfo::sInfo;
    return codecs && UsesCodec(codecs->Find(m_audioCodecName, m_audioCodecDevice), m_splitterType);
}

bool CMultiplexOutputFilters2::UseVideoCodec() const
{
    if (UseProfile() || !m_wantsVideo || !SupportVideo() || m_videoCodecName.IsEmpty()) return false;
    const CVideoCodecsInfo* codecs = CVideoCodecsInfo::sInfo;
    return codecs && UsesCodec(codecs->Find(m_videoCodecName, m_videoCodecDevice), m_splitterType);
}

bool CMultiplexOutputFilters2::UseAudioCodecFilter() const
{
    return UseAudioCodec() && UsesCodecFilter(CAudioCodecsInfo::sInfo->Find(m_audioCodecName, m_audioCodecDevice));
}

bool CMultiplexOutputFilters2::UseVideoCodecFilter() const
{
    return UseVideoCodec() && UsesCodecFilter(CVideoCodecsInfo::sInfo->Find(m_videoCodecName, m_videoCodecDevice));
}

unsigned char CMultiplexOutputFilters2::LimitQuality(unsigned char quality)
{
    if (quality == 0) return 1;
    return quality > 99 ? 99 : quality;
}

// ---- audio ----

bool CMultiplexOutputFilters2::ConnectAudioChain(CAudioTransformChain* chain)
{
    if (!chain || !m_wantsAudio || !SupportAudio()) return false;
    if (!ConnectAudioTimeShift(chain)) return false;
    if (m_audioRemux && m_mux && ConnectAudioMux(chain)) return true;
    const bool decoded = ConnectAudioDecoder(chain);
    AutomaticAdjustAudio(chain);
    if (!decoded) return false;
    return ConnectAudioRechanneler(chain) && ConnectAudioRegulator(chain) && ConnectAudioResampler(chain) &&
           ConnectAudioEncoder(chain) && ConnectAudioMux(chain);
}

bool CMultiplexOutputFilters2::NeedAudioTimeShift()
{
    return m_startTime != 0;
}

bool CMultiplexOutputFilters2::ConnectAudioTimeShift(CAudioTransformChain* chain)
{
    return !NeedAudioTimeShift() || chain->ConnectTimeShift(m_startTime);
}

bool CMultiplexOutputFilters2::ConnectAudioTimeCleaner(CAudioTransformChain* chain)
{
    return chain && chain->ConnectTimeCleaner();
}

bool CMultiplexOutputFilters2::ConnectAudioBuffer(CTransformChain* chain)
{
    return chain && chain->ConnectBuffer();
}

bool CMultiplexOutputFilters2::GetAudioInput(CAudioTransformChain* chain, unsigned long& rate,
                                             unsigned short& channels, unsigned short& bits)
{
    if (m_audioInSampleRate != 0 && m_audioInChannels != 0 && m_audioInBits != 0) {
        rate = m_audioInSampleRate;
        channels = m_audioInChannels;
        bits = m_audioInBits;
        return true;
    }
    return chain && chain->GetAudioSettings(rate, channels, bits);
}

void CMultiplexOutputFilters2::AutomaticAdjustAudio(CAudioTransformChain* chain)
{
    if (!m_audioKeepSettings || !UseAudioCodec()) return;
    unsigned long input = 0;
    unsigned short channels = 0;
    unsigned short bits = 0;
    if (!GetAudioInput(chain, input, channels, bits)) return;
    channels = std::min<unsigned short>(channels, 2);
    ULONG rate = static_cast<ULONG>(input);
    ULONG bitrate = static_cast<ULONG>(m_audioBitrate);
    if (const CAudioCodecInfo* codec = CAudioCodecsInfo::sInfo->Find(m_audioCodecName, m_audioCodecDevice))
        codec->FindBestFit(rate, channels, bits, bitrate, m_audioQuality);
    m_audioSampleRate = rate;
    m_audioChannels = channels;
    m_audioBits = bits;
    m_audioBitrate = bitrate;
}

bool CMultiplexOutputFilters2::NeedRechanneler(CAudioTransformChain* chain)
{
    unsigned long rate = 0;
    unsigned short channels = 0;
    unsigned short bits = 0;
    return chain->GetAudioSettings(rate, channels, bits) && channels > 2;
}

bool CMultiplexOutputFilters2::ConnectAudioRechanneler(CAudioTransformChain* chain)
{
    return !NeedRechanneler(chain) || chain->ConnectRechanneler();
}

bool CMultiplexOutputFilters2::NeedAudioRegulator(CAudioTransformChain* chain)
{
    if (!m_audioRegulate) return false;
    if (IsOneOf(m_splitterType, {100, 110, 120, 130, 190, 400, 500, 900, 1100, 1200}) && m_audioCodecName == "PCM")
        return false;
    unsigned long rate = 0;
    unsigned short channels = 0;
    unsigned short bits = 0;
    if (!GetAudioInput(chain, rate, channels, bits)) return false;
    // 24,000 Hz is left out here although it is a standard rate.
    return rate == 8000 || rate == 11025 || rate == 16000 || rate == 22050 || rate == 32000 || rate == 44100 ||
           rate == 48000;
}

bool CMultiplexOutputFilters2::ConnectAudioRegulator(CAudioTransformChain* chain)
{
    return !NeedAudioRegulator(chain) || chain->ConnectRegulator();
}

bool CMultiplexOutputFilters2::IsStandardSampleRate(unsigned long rate)
{
    return rate == 8000 || rate == 11025 || rate == 16000 || rate == 22050 || rate == 24000 || rate == 32000 ||
           rate == 44100 || rate == 48000;
}

bool CMultiplexOutputFilters2::NeedResampler(CAudioTransformChain* chain)
{
    if (IsWindowsMediaType(m_splitterType)) return false;
    unsigned long rate = 0;
    unsigned short channels = 0;
    unsigned short bits = 0;
    if (!chain->GetAudioSettings(rate, channels, bits)) return false;
    return rate != m_audioSampleRate || channels != m_audioChannels || bits != m_audioBits;
}

bool CMultiplexOutputFilters2::ConnectAudioResampler(CAudioTransformChain* chain)
{
    return !NeedResampler(chain) || chain->ConnectResampler();
}

bool CMultiplexOutputFilters2::ConnectAudioEncoder(CAudioTransformChain* chain)
{
    if (!UseAudioCodecFilter()) return true;
    return chain->ConnectEncoder(m_audioCodecName, m_audioCodecDevice, m_audioSampleRate, m_audioChannels,
                                 m_audioBits);
}

AM_MEDIA_TYPE* CMultiplexOutputFilters2::FindAudioType(CAudioTransformChain* chain, bool bitrate)
{
    IPin* pin = PinOf(chain ? chain->GetOutputPin() : nullptr);
    if (!pin) return nullptr;
    const bool pcm = UDirectShowUtils::HasPcmAudioType(pin);
    return UDirectShowUtils::FindAudioMediaType(pin, m_audioSampleRate, static_cast<char>(m_audioChannels),
                                                static_cast<char>(m_audioBits),
                                                bitrate && !pcm ? m_audioBitrate : 0);
}

bool CMultiplexOutputFilters2::ConnectAudioMux(CAudioTransformChain* chain)
{
    CFilterPin* output = chain ? chain->GetOutputPin() : nullptr;
    if (!output) return false;
    if (!m_mux) return true;
    CFilterPin* audioIn = m_mux->GetAudioInPin();
    if (!audioIn) return false;
    MediaTypePtr type(FindAudioType(chain, true));
    return audioIn->Connect(output, type.get());
}

// ---- video ----

bool CMultiplexOutputFilters2::ConnectVideoChain(CVideoTransformChain* chain, int index)
{
    if (!chain || !m_wantsVideo || !SupportVideo()) return false;
    if (!ConnectVideoTimeShift(chain)) return false;
    if (m_videoRemux && m_mux && ConnectVideoMux(chain, index)) return true;
    if (!ConnectVideoDecoder(chain)) return false;
    // These stages are wanted but not essential: the stream goes on without them.
    chain->ConnectSubtitleMixer();
    ConnectVideoScaler(chain);
    ConnectSnapshot(chain);
    return ConnectVideoPulseRegulator(chain) && ConnectVideoWatermark(chain) && ConnectVideoEncoder(chain) &&
           ConnectVideoMux(chain, index);
}

bool CMultiplexOutputFilters2::NeedVideoTimeShift()
{
    return m_startTime != 0;
}

bool CMultiplexOutputFilters2::ConnectVideoTimeShift(CVideoTransformChain* chain)
{
    return !NeedVideoTimeShift() || chain->ConnectTimeShift(m_startTime);
}

bool CMultiplexOutputFilters2::ConnectVideoBuffer(CTransformChain* chain)
{
    return chain && chain->ConnectBuffer();
}

EColorFormat CMultiplexOutputFilters2::GetColor(CVideoTransformChain*)
{
    return IsWindowsMediaType(m_splitterType) ? EColorFormat(103) : EColorFormat(0);
}

unsigned short CMultiplexOutputFilters2::GetCodecBlockSize()
{
    if (!CVideoCodecsInfo::sInfo || !UseVideoCodec()) return 4;
    const CVideoCodecInfo* codec = CVideoCodecsInfo::sInfo->Find(m_videoCodecName, m_videoCodecDevice);
    return codec ? codec->GetBlockSize() : 4;
}

void CMultiplexOutputFilters2::CalculateCodecSize(unsigned short& width, unsigned short& height)
{
    const unsigned short block = GetCodecBlockSize();
    if (block <= 1) return;
    auto raise = [block](unsigned short value) {
        const unsigned long raised = (static_cast<unsigned long>(value) + block - 1) / block * block;
        // A size that would pass the field keeps the largest multiple that fits.
        return static_cast<unsigned short>(raised > 0xFFFF ? 0xFFFF / block * block : raised);
    };
    width = raise(width);
    height = raise(height);
}

bool CMultiplexOutputFilters2::GetVideoInputSize(CVideoTransformChain* chain, unsigned short& width,
                                                 unsigned short& height, double& aspect)
{
    if (m_videoInWidth != 0 && m_videoInHeight != 0) {
        width = m_videoInWidth;
        height = m_videoInHeight;
        aspect = m_inputAspect;
        unsigned short w = 0;
        unsigned short h = 0;
        double chainAspect = 0;
        if (chain && chain->GetVideoSize(w, h, chainAspect) && chainAspect != 0) aspect = chainAspect;
        return true;
    }
    return chain && chain->GetVideoSize(width, height, aspect);
}

bool CMultiplexOutputFilters2::GetVideoInputFrameRate(CVideoTransformChain* chain, double& rate, bool& changed)
{
    changed = false;
    double chainRate = 0;
    const bool known = chain && chain->GetFrameRate(chainRate);
    rate = chainRate;
    if (m_videoInFrameRate != 0) {
        changed = m_videoInFrameRate != chainRate;
        rate = m_videoInFrameRate;
        return true;
    }
    return known;
}

bool CMultiplexOutputFilters2::NeedScaler(CVideoTransformChain* chain, unsigned short& width, unsigned short& height,
                                          bool& cropped)
{
    cropped = false;
    unsigned short inWidth = 0;
    unsigned short inHeight = 0;
    double chainAspect = 0;
    if (!GetVideoInputSize(chain, inWidth, inHeight, chainAspect)) return false;
    const bool keepSize = m_keepSize || IsOneOf(m_splitterType, {250, 251});
    const bool quarterTurn = m_rotation == kImageRotationLeft || m_rotation == kImageRotationRight;
    const unsigned short cropWidth = m_cropRight > m_cropLeft ? m_cropRight - m_cropLeft : 0;
    const unsigned short cropHeight = m_cropBottom > m_cropTop ? m_cropBottom - m_cropTop : 0;
    bool need = false;
    auto turned = [quarterTurn](unsigned short& w, unsigned short& h) {
        if (quarterTurn) std::swap(w, h);
    };
    if (cropWidth == 0 || cropHeight == 0 || (inWidth <= cropWidth && inHeight <= cropHeight)) {
        width = keepSize ? inWidth : m_videoWidth;
        height = keepSize ? inHeight : m_videoHeight;
        if (keepSize) turned(width, height);
        CalculateCodecSize(width, height);
        need = width != inWidth || height != inHeight ||
               (m_inputAspect != 0 && (m_inputAspect != chainAspect ||
                                       (m_inputAspect != m_outputAspect && m_scaling != kScaleToFit)));
    } else {
        width = keepSize ? cropWidth : m_videoWidth;
        height = keepSize ? cropHeight : m_videoHeight;
        if (keepSize) turned(width, height);
        CalculateCodecSize(width, height);
        need = true;
        cropped = true;
    }
    if (m_flip != kImageFlipNone || m_rotation != kImageRotationNone) need = true;
    if (IsOneOf(m_splitterType, {250, 252}) && (width % 2 != 0 || height % 2 != 0)) {
        width += width % 2;
        height += height % 2;
        need = true;
    }
    if (!need && !m_greyScale) {
        const EColorFormat color = GetColor(chain);
        const bool mpeg1Decoder = chain->GetDecoderId() == kMpeg1VideoDecoder;
        if (color == 0) {
            need = mpeg1Decoder;
        } else {
            IPin* output = PinOf(chain->GetOutputPin());
            MediaTypePtr offered(output ? UDirectShowUtils::FindVideoMediaType(output, color) : nullptr);
            const bool ready = offered && !UDirectShowUtils::NeedsColorConversion(output, color);
            need = ready ? mpeg1Decoder : true;
        }
    }
    return need || m_greyScale;
}

bool CMultiplexOutputFilters2::ConnectVideoScaler(CVideoTransformChain* chain)
{
    unsigned short width = 0;
    unsigned short height = 0;
    bool cropped = false;
    if (!NeedScaler(chain, width, height, cropped)) return true;
    if (cropped)
        return chain->ConnectScaler(width, height, m_cropLeft, m_cropTop, m_cropRight, m_cropBottom, m_flip,
                                    m_rotation, m_inputAspect, m_outputAspect, GetColor(chain));
    return chain->ConnectScaler(width, height, m_flip, m_rotation, m_inputAspect, m_outputAspect, m_scaling,
                                GetColor(chain), m_greyScale, m_freeScale);
}

bool CMultiplexOutputFilters2::NeedSnapshot(CVideoTransformChain*)
{
    return m_thumbnailCapture != 0;
}

bool CMultiplexOutputFilters2::ConnectSnapshot(CVideoTransformChain* chain)
{
    if (!NeedSnapshot(chain)) return true;
    return chain->ConnectSnapshot(m_thumbnailCapture, m_thumbnailType, m_thumbnailTime, m_thumbnailResize,
                                  m_thumbnailWidth, m_thumbnailHeight, m_thumbnailPath);
}

bool CMultiplexOutputFilters2::NeedPulseRegulator(CVideoTransformChain* chain, double& rate, bool& retime)
{
    retime = false;
    double input = 0;
    GetVideoInputFrameRate(chain, input, retime);
    double target = m_keepFrameRate ? input : m_videoFrameRate;
    if (target == 0) target = 30.0;
    m_videoFrameRate = target;
    rate = target;
    if (IsWindowsMediaType(m_splitterType)) return false;
    if (target == input && !m_videoRegulate) return retime && !m_keepFrameRate;
    retime = false;
    return true;
}

bool CMultiplexOutputFilters2::ConnectVideoPulseRegulator(CVideoTransformChain* chain)
{
    double rate = 0;
    bool retime = false;
    if (!NeedPulseRegulator(chain, rate, retime)) return true;
    return chain->ConnectPulseRegulator(rate, retime);
}

bool CMultiplexOutputFilters2::ConnectVideoWatermark(CVideoTransformChain* chain)
{
    return !m_wantsWatermark || chain->ConnectWatermark();
}

bool CMultiplexOutputFilters2::ConnectVideoEncoder(CVideoTransformChain* chain)
{
    if (!UseVideoCodecFilter()) return true;
    return chain->ConnectEncoder(m_videoCodecName, m_videoCodecDevice, m_videoWidth, m_videoHeight,
                                 m_videoFrameRate, LimitQuality(m_videoQuality), m_videoSettings);
}

bool CMultiplexOutputFilters2::ConnectVideoMux(CVideoTransformChain* chain, int index)
{
    if (!m_mux) return true;
    CFilterPin* videoIn = m_mux->GetVideoInPin(index);
    CFilterPin* output = chain->GetOutputPin();
    return videoIn && output && videoIn->Connect(output, nullptr);
}

// ---- writer ----

bool CMultiplexOutputFilters2::CreateOutput()
{
    return false;
}

bool CMultiplexOutputFilters2::ConnectOutput()
{
    if (!CreateOutput()) return false;
    return m_mux ? ConnectOutputFromMux() : ConnectOutputFromRaw();
}

bool CMultiplexOutputFilters2::ConnectOutputFromMux()
{
    if (!m_writer || !m_mux || !m_writer->GetInputPin()) return false;
    if (m_mux2) {
        CFilterPin* video2 = m_mux2->GetVideoInPin(0);
        if (!video2 || !video2->Connect(m_mux->GetOutputPin(), nullptr)) return false;
        return m_writer->GetInputPin()->Connect(m_mux2->GetOutputPin(), nullptr);
    }
    return m_writer->GetInputPin()->Connect(m_mux->GetOutputPin(), nullptr);
}

bool CMultiplexOutputFilters2::ConnectWriterPin(CFilterPin* target, CFilterPin* source, AM_MEDIA_TYPE* type)
{
    return target && source && target->Connect(source, type);
}

bool CMultiplexOutputFilters2::ConnectOutputFromRaw()
{
    if (!m_writer || m_mux) return false;
    ConfigureOutputBeforeConnect();
    for (CVideoTransformChain* chain : m_videoChains) {
        CFilterPin* target = m_writer->GetVideoInputPin() ? m_writer->GetVideoInputPin() : m_writer->GetInputPin();
        const EColorFormat color = GetColor(chain);
        MediaTypePtr type(UDirectShowUtils::FindVideoMediaType(PinOf(chain->GetOutputPin()), color));
        if (ConnectWriterPin(target, chain->GetOutputPin(), type.get())) continue;
        if (!chain->ConnectColorConverter(color, false)) return false;
        type.reset(UDirectShowUtils::FindVideoMediaType(PinOf(chain->GetOutputPin()), color));
        if (!ConnectWriterPin(target, chain->GetOutputPin(), type.get())) return false;
    }
    for (CAudioTransformChain* chain : m_audioChains) {
        CFilterPin* target = m_writer->GetAudioInputPin() ? m_writer->GetAudioInputPin() : m_writer->GetInputPin();
        MediaTypePtr type(UseProfile() ? nullptr : FindAudioType(chain, true));
        if (ConnectWriterPin(target, chain->GetOutputPin(), type.get())) continue;
        if (!chain->ConnectResampler()) return false;
        type.reset(FindAudioType(chain, false));
        if (!ConnectWriterPin(target, chain->GetOutputPin(), type.get())) return false;
    }
    return true;
}

bool CMultiplexOutputFilters2::WriteTags()
{
    if (m_tags.GetValueCount() == 0) return false;
    if (m_writer && CFilterTagWriter(m_writer).Write(m_tags)) return true;
    if (m_mux && CFilterTagWriter(m_mux).Write(m_tags)) return true;
    return m_writer && CWmTagWriter(m_writer).Write(m_tags);
}
