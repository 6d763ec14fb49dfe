#include "CAudioEncoderFilter.h"

#include "CAudioCodecInfo.h"
#include "CAudioCodecsInfo.h"
#include "CGlobalSetting.h"
#include "EncoderSetInterfaces.h"
#include "dshow/DShowInterfaces.h"

#include <cstring>

CAudioEncoderFilter::CAudioEncoderFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, nullptr, nullptr)
{
    SetOwnComponent(true);
}

void CAudioEncoderFilter::SetCodec(const char* codecName, const char* deviceName)
{
    m_codecName = codecName ? codecName : "";
    m_deviceName = deviceName ? deviceName : "";
}

bool CAudioEncoderFilter::Create()
{
    if (GetFilter()) return true;
    const CAudioCodecInfo* codec =
        CAudioCodecsInfo::sInfo ? CAudioCodecsInfo::sInfo->Find(m_codecName, m_deviceName) : nullptr;
    const GUID id = codec ? codec->GetId() : GUID{};
    if (id != GUID{}) {
        SetId(id);
    } else {
        // Not in the catalogue under a class id: an installed audio compressor of that name.
        SetId(GUID{}, false, false, true);
        SetCompressorNames(m_codecName);
    }
    return CTransformerFilter::Create();
}

void CAudioEncoderFilter::PrepareFilter()
{
    if (std::strcmp(m_codecName, "Lame_enc.dll") != 0 || !CGlobalSetting::sSettings) return;
    ILameLibraryPath* path = nullptr;
    if (FAILED(QueryInterfaceTo(GetFilter(), &path)) || !path) return;
    path->SetLibraryPath(CGlobalSetting::sSettings->GetLameDll().GetFilePath());
    path->Release();
}
