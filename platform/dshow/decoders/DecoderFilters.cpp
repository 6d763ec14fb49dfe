#include "dshow/AudioDecoder.h"
#include "dshow/FilterRegistry.h"
#include "dshow/VideoDecoder.h"
#include "dshow/decoders/DecoderIds.h"

extern "C" {
#include <libavcodec/codec_id.h>
}

#include <utility>

namespace {

struct DecoderKind {
    const CLSID* clsid;
    const char* name;
    bool video;
    const int* codecs; // ending in 0; null: every codec
};

constexpr int kMp3[] = {AV_CODEC_ID_MP3, AV_CODEC_ID_MP3ADU, AV_CODEC_ID_MP3ON4, 0};
constexpr int kMpegAudio[] = {AV_CODEC_ID_MP1, AV_CODEC_ID_MP2, AV_CODEC_ID_MP3, 0};
constexpr int kWma[] = {AV_CODEC_ID_WMAV1, AV_CODEC_ID_WMAV2, AV_CODEC_ID_WMAPRO, AV_CODEC_ID_WMAVOICE, AV_CODEC_ID_WMALOSSLESS, 0};
constexpr int kLpcm[] = {AV_CODEC_ID_PCM_DVD, AV_CODEC_ID_PCM_BLURAY, AV_CODEC_ID_PCM_S16BE, AV_CODEC_ID_PCM_S24LE,
                         AV_CODEC_ID_PCM_S24BE, AV_CODEC_ID_PCM_S32LE, AV_CODEC_ID_PCM_F32LE, AV_CODEC_ID_PCM_F64LE,
                         AV_CODEC_ID_PCM_ALAW, AV_CODEC_ID_PCM_MULAW, AV_CODEC_ID_PCM_S8, AV_CODEC_ID_PCM_U16LE, 0};
constexpr int kDvdAudio[] = {AV_CODEC_ID_MP2, AV_CODEC_ID_AC3, AV_CODEC_ID_PCM_DVD, 0};
constexpr int kAc3[] = {AV_CODEC_ID_AC3, AV_CODEC_ID_EAC3, AV_CODEC_ID_DTS, 0};
constexpr int kAac[] = {AV_CODEC_ID_AAC, AV_CODEC_ID_AAC_LATM, 0};
constexpr int kReal[] = {AV_CODEC_ID_COOK, AV_CODEC_ID_RA_144, AV_CODEC_ID_RA_288, AV_CODEC_ID_SIPR, AV_CODEC_ID_ATRAC3, 0};
constexpr int kVorbis[] = {AV_CODEC_ID_VORBIS, 0};
constexpr int kSpeex[] = {AV_CODEC_ID_SPEEX, 0};
constexpr int kG726[] = {AV_CODEC_ID_ADPCM_G726, AV_CODEC_ID_ADPCM_G726LE, 0};
constexpr int kFlac[] = {AV_CODEC_ID_FLAC, 0};
constexpr int kTta[] = {AV_CODEC_ID_TTA, 0};
constexpr int kWavPack[] = {AV_CODEC_ID_WAVPACK, 0};

constexpr int kMjpeg[] = {AV_CODEC_ID_MJPEG, AV_CODEC_ID_MJPEGB, AV_CODEC_ID_JPEGLS, 0};
constexpr int kIndeo5[] = {AV_CODEC_ID_INDEO5, 0};
constexpr int kIndeo4[] = {AV_CODEC_ID_INDEO4, AV_CODEC_ID_INDEO3, 0};
constexpr int kDv[] = {AV_CODEC_ID_DVVIDEO, 0};
constexpr int kWmv[] = {AV_CODEC_ID_WMV1, AV_CODEC_ID_WMV2, AV_CODEC_ID_WMV3, AV_CODEC_ID_VC1, 0};
constexpr int kWmv8[] = {AV_CODEC_ID_WMV1, AV_CODEC_ID_WMV2, 0};
constexpr int kMsMpeg4[] = {AV_CODEC_ID_MSMPEG4V1, AV_CODEC_ID_MSMPEG4V2, AV_CODEC_ID_MSMPEG4V3, 0};
constexpr int kMpeg4[] = {AV_CODEC_ID_MPEG4, 0};
constexpr int k3ivx[] = {AV_CODEC_ID_MPEG4, AV_CODEC_ID_H264, 0};
constexpr int kRealVideo[] = {AV_CODEC_ID_RV10, AV_CODEC_ID_RV20, AV_CODEC_ID_RV30, AV_CODEC_ID_RV40, 0};
constexpr int kTheora[] = {AV_CODEC_ID_THEORA, 0};
constexpr int kVp6[] = {AV_CODEC_ID_VP6, AV_CODEC_ID_VP6F, AV_CODEC_ID_VP6A, 0};
constexpr int kVp7[] = {AV_CODEC_ID_VP7, 0};
constexpr int kMpeg2[] = {AV_CODEC_ID_MPEG2VIDEO, AV_CODEC_ID_MPEG1VIDEO, 0};
constexpr int kMpeg1[] = {AV_CODEC_ID_MPEG1VIDEO, 0};

const DecoderKind kKinds[] = {
    {&CLSID_Mp3AudioDecoder, "MPEG Layer-3 Audio Decoder", false, kMp3},
    {&CLSID_WmaAudioDecoder, "Windows Media Audio Decoder", false, kWma},
    {&CLSID_MainConceptAudioDecoder, "MainConcept MPEG Audio Decoder", false, kMpegAudio},
    {&CLSID_Mpeg1AudioDecoder, "MPEG-1 Audio Decoder", false, kMpegAudio},
    {&CLSID_LpcmAudioDecoder, "LPCM Audio Decoder", false, kLpcm},
    {&CLSID_InterVideoAudioDecoder, "InterVideo Audio Decoder", false, kDvdAudio},
    {&CLSID_Ac3AudioDecoder, "AC-3 Audio Decoder", false, kAc3},
    {&CLSID_FfdshowAudioDecoder, "ffdShow Audio Decoder", false, nullptr},
    {&CLSID_CoreAacAudioDecoder, "Core AAC Audio Decoder", false, kAac},
    {&CLSID_CoreAacAudioDecoder2, "Core AAC Audio Decoder 2", false, kAac},
    {&CLSID_RealAudioDecoder, "Real Audio Decoder", false, kReal},
    {&CLSID_3ivxAudioDecoder, "3ivx Audio Decoder", false, kAac},
    {&CLSID_RadlightVorbisDecoder, "Radlight Vorbis Audio Decoder", false, kVorbis},
    {&CLSID_RadlightSpeexDecoder, "Radlight Speex Audio Decoder", false, kSpeex},
    {&CLSID_CoreVorbisDecoder, "Core Vorbis Audio Decoder", false, kVorbis},
    {&CLSID_OggVorbisDecoder, "OGG Vorbis Audio Decoder", false, kVorbis},
    {&CLSID_G726AudioDecoder, "Sharp G.726 Audio Decoder", false, kG726},
    {&CLSID_CoreFlacDecoder, "Core Flac Audio Decoder", false, kFlac},
    {&CLSID_TtaAudioDecoder, "TTA Audio Decoder", false, kTta},
    {&CLSID_WavPackAudioDecoder, "WavPack Audio Decoder", false, kWavPack},
    {&CLSID_AcmWrapper, "ACM Wrapper", false, nullptr},
    {&CLSID_MjpegDecoder, "MJPEG Decoder", true, kMjpeg},
    {&CLSID_FfdshowVideoDecoder, "ffdShow Decoder", true, nullptr},
    {&CLSID_Indeo5Decoder, "Indeo 51 Decoder", true, kIndeo5},
    {&CLSID_Indeo4Decoder, "Indeo 32 Decoder", true, kIndeo4},
    {&CLSID_AviDecompressor, "AVI Decompressor", true, nullptr},
    {&CLSID_DvVideoDecoder, "DV Video Decoder", true, kDv},
    {&CLSID_Wm8VideoDecoder, "Windows Media 8 Video Decoder", true, kWmv8},
    {&CLSID_WmVideoDecoder, "Windows Media Video", true, kWmv},
    {&CLSID_Mpeg4VideoDecoder, "MPEG-4 Decoder", true, kMsMpeg4},
    {&CLSID_3ivxVideoDecoder, "3ivx Video Decoder", true, k3ivx},
    {&CLSID_RealVideoDecoder, "Real Video Decoder", true, kRealVideo},
    {&CLSID_DivxDecoder, "Divx Decoder", true, kMpeg4},
    {&CLSID_DivxMpeg4Decoder, "Divx MPEG-4 Video Decoder", true, kMpeg4},
    {&CLSID_XvidDecoder, "Xvid MPEG-4 Video Decoder", true, kMpeg4},
    {&CLSID_TheoraDecoder, "Radlight Theora Video Decoder", true, kTheora},
    {&CLSID_Vp6Decoder, "VP6 Video Decoder", true, kVp6},
    {&CLSID_Vp7Decoder, "VP7 Video Decoder", true, kVp7},
    {&CLSID_Mpeg2Decoder4, "Moonlight MPEG-2 Decoder 4", true, kMpeg2},
    {&CLSID_Mpeg2Decoder, "Moonlight MPEG-2 Decoder", true, kMpeg2},
    {&CLSID_MainConceptMpeg2Decoder, "MainConcept MPEG-2 Decoder", true, kMpeg2},
    {&CLSID_Mpeg1VideoDecoder, "MPEG-1 Decoder", true, kMpeg1},
    {&CLSID_CyberlinkVideoDecoder, "Cyberlink Video Decoder", true, kMpeg2},
};

template <size_t N>
HRESULT CreateKind(REFIID iid, void** object)
{
    const DecoderKind& kind = kKinds[N];
    if (kind.video) return CreateComObject<CVideoDecoder>(iid, object, *kind.clsid, kind.codecs);
    return CreateComObject<CAudioDecoder>(iid, object, *kind.clsid, kind.codecs);
}

template <size_t... I>
void RegisterAll(std::index_sequence<I...>)
{
    (DShowRegisterFilter(*kKinds[I].clsid, kKinds[I].name, FilterRole::Other, 0, &CreateKind<I>), ...);
}

} // namespace

void DShowRegisterDecoders() { RegisterAll(std::make_index_sequence<std::size(kKinds)>()); }
