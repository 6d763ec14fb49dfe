#include "CAudioCompressorTestAdministrator2.h"

#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CAudioEncoderFilter.h"
#include "CFilterPin.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"
#include "win32/audio/WaveFormat.h"

#include <cstring>

namespace {

// The Ogg type Vorbis is written in; the encoder is never tried against a multiplexer.
constexpr ESplitterType kOggType = 1100;

bool IsVorbis(CCodecInfo* codec)
{
    return std::strcmp(codec->GetDisplayName(), "Vorbis Encoder") == 0;
}

} // namespace

CCodecsInfo* CAudioCompressorTestAdministrator2::GetCatalogue() const
{
    return CAudioCodecsInfo::sInfo;
}

bool CAudioCompressorTestAdministrator2::HasCapabilities(CCodecInfo* codec) const
{
    auto* audio = dynamic_cast<CAudioCodecInfo*>(codec);
    return audio && audio->GetSampleRateCount() > 0;
}

CDirectShowFilter* CAudioCompressorTestAdministrator2::CreateTestSource()
{
    auto* source = new CDirectShowFilter;
    source->SetGraph(m_graph);
    source->SetName("Audio Test");
    source->SetId(kAudioTestSourceId, false, false, false);
    if (source->Create()) return source;
    delete source;
    return nullptr;
}

CFilterPin* CAudioCompressorTestAdministrator2::MakeSourcePin(CDirectShowFilter* source)
{
    auto* pin = new CFilterPin(source, "", false);
    pin->SetMediaType(MEDIATYPE_Audio, GUID_NULL);
    return pin;
}

CDirectShowFilter* CAudioCompressorTestAdministrator2::MakeEncoder(CCodecInfo* codec)
{
    auto* encoder = new CAudioEncoderFilter(m_graph, "Encoder");
    encoder->SetCodec(codec->GetDisplayName(), codec->GetDeviceName());
    return encoder;
}

CFilterPin* CAudioCompressorTestAdministrator2::GetEncoderInput(CDirectShowFilter* encoder)
{
    return static_cast<CAudioEncoderFilter*>(encoder)->GetInputPin();
}

CFilterPin* CAudioCompressorTestAdministrator2::GetEncoderOutput(CDirectShowFilter* encoder)
{
    return static_cast<CAudioEncoderFilter*>(encoder)->GetOutputPin();
}

// Every wave format the encoder's output offers and accepts is a setting it takes.
void CAudioCompressorTestAdministrator2::ReadCapabilities(CDirectShowFilter*, CFilterPin* output,
                                                          SCodecTestResult& result)
{
    IPin* pin = output->GetPin();
    IEnumMediaTypes* types = nullptr;
    if (!pin || FAILED(pin->EnumMediaTypes(&types)) || !types) return;
    AM_MEDIA_TYPE* type = nullptr;
    while (types->Next(1, &type, nullptr) == S_OK) {
        if (type->formattype == FORMAT_WaveFormatEx && type->pbFormat && type->cbFormat >= sizeof(WAVEFORMATEX) &&
            pin->QueryAccept(type) == S_OK) {
            const auto* format = reinterpret_cast<const WAVEFORMATEX*>(type->pbFormat);
            result.audioSettings.push_back({format->nSamplesPerSec, format->nChannels, format->wBitsPerSample,
                                            format->nAvgBytesPerSec * 8, format->nBlockAlign});
        }
        DeleteMediaType(type);
    }
    types->Release();
    // Vorbis goes into Ogg, its own container, without a multiplexer trial.
    if (GetName() == "Vorbis Encoder" && !result.audioSettings.empty()) result.supported.emplace_back(kOggType, true);
}

bool CAudioCompressorTestAdministrator2::MayTestType(CCodecInfo* codec, ESplitterType type) const
{
    if (IsVorbis(codec)) return false;
    return !(std::strcmp(codec->GetDisplayName(), "PCM") == 0 && type == 900);
}
