#include "CVideoCompressorTestAdministrator2.h"

#include "CColorConverterFilter.h"
#include "CFilterPin.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CVideoEncoderFilter.h"
#include "UDirectShowUtils.h"
#include "dshow/DShowInterfaces.h"
#include "dshow/MediaType.h"
#include "dshow/interfaces/EncoderSetInterfaces.h"

CVideoCompressorTestAdministrator2::CVideoCompressorTestAdministrator2(bool fullCheck)
    : CCompressorTestAdministrator2(fullCheck)
{
}

CVideoCompressorTestAdministrator2::~CVideoCompressorTestAdministrator2()
{
    Release();
}

CCodecsInfo* CVideoCompressorTestAdministrator2::GetCatalogue() const
{
    return CVideoCodecsInfo::sInfo;
}

bool CVideoCompressorTestAdministrator2::HasCapabilities(CCodecInfo* codec) const
{
    auto* video = dynamic_cast<CVideoCodecInfo*>(codec);
    return video && video->GetSizeCount() > 0;
}

void CVideoCompressorTestAdministrator2::ReleaseGraph()
{
    if (m_converter) {
        m_converter->Release();
        delete m_converter;
        m_converter = nullptr;
    }
    CCompressorTestAdministrator2::ReleaseGraph();
}

CDirectShowFilter* CVideoCompressorTestAdministrator2::CreateTestSource()
{
    auto* source = new CDirectShowFilter;
    source->SetGraph(m_graph);
    source->SetName("Video Test");
    source->SetId(kVideoTestSourceId, false, false, false);
    if (!source->Create()) {
        delete source;
        return nullptr;
    }
    // Pattern 0 is the plain moving test picture.
    IVideoTestSettings* settings = nullptr;
    if (SUCCEEDED(QueryInterfaceTo(source->GetFilter(), &settings)) && settings) {
        settings->SetPattern(0);
        settings->Release();
    }
    return source;
}

CFilterPin* CVideoCompressorTestAdministrator2::MakeSourcePin(CDirectShowFilter* source)
{
    auto* pin = new CFilterPin(source, "", false);
    pin->SetMediaType(MEDIATYPE_Video, GUID_NULL);
    return pin;
}

// The source feeds the colour converter, whose output feeds the encoder.
bool CVideoCompressorTestAdministrator2::FeedEncoder(CFilterPin* sourcePin, CFilterPin* encoderInput)
{
    if (!m_converter) m_converter = new CColorConverterFilter(m_graph);
    return m_converter->Create() && sourcePin->Connect(m_converter->GetInputPin(), nullptr) &&
           m_converter->GetOutputPin()->Connect(encoderInput, nullptr);
}

CDirectShowFilter* CVideoCompressorTestAdministrator2::MakeEncoder(CCodecInfo* codec)
{
    auto* encoder = new CVideoEncoderFilter(m_graph, "Encoder");
    encoder->SetCodec(codec->GetDisplayName(), codec->GetDeviceName());
    return encoder;
}

CFilterPin* CVideoCompressorTestAdministrator2::GetEncoderInput(CDirectShowFilter* encoder)
{
    return static_cast<CVideoEncoderFilter*>(encoder)->GetInputPin();
}

CFilterPin* CVideoCompressorTestAdministrator2::GetEncoderOutput(CDirectShowFilter* encoder)
{
    return static_cast<CVideoEncoderFilter*>(encoder)->GetOutputPin();
}

// The sizes the encoder's output offers, and whether it has settings pages.
void CVideoCompressorTestAdministrator2::ReadCapabilities(CDirectShowFilter* encoder, CFilterPin* output,
                                                          SCodecTestResult& result)
{
    result.hasSettings = encoder->HasSettings();
    IPin* pin = output->GetPin();
    IEnumMediaTypes* types = nullptr;
    if (!pin || FAILED(pin->EnumMediaTypes(&types)) || !types) return;
    AM_MEDIA_TYPE* type = nullptr;
    while (types->Next(1, &type, nullptr) == S_OK) {
        unsigned short width = 0, height = 0;
        if (UDirectShowUtils::GetVideoSize(type, width, height) && width && height)
            result.sizes.emplace_back(width, height);
        DeleteMediaType(type);
    }
    types->Release();
}
