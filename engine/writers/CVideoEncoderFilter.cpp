#include "CVideoEncoderFilter.h"

#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "EncoderSetInterfaces.h"
#include "dshow/DShowInterfaces.h"
#include "StSilentCreation.h"
#include "URegistryUtils.h"
#include "com/Guid.h"
#include "win32/settings/Registry.h"

#include <string>
#include <vector>

namespace {

std::string Text(const char* text)
{
    return text ? text : "";
}

// The class id of the installed video compressor of that friendly name, from the registry.
GUID InstalledCompressorId(const char* name)
{
    const char* kInstances = "SOFTWARE\\Classes\\CLSID\\{33D9A760-90C8-11d0-BD43-00A0C911CE86}\\Instance";
    HKEY instances = URegistryUtils::GetTopRegistryForEnum(HKEY_LOCAL_MACHINE, kInstances);
    if (!instances) return GUID{};
    GUID found{};
    for (int i = 0;; ++i) {
        const std::string sub = Text(URegistryUtils::EnumKey(instances, i));
        if (sub.empty()) break;
        if (Text(URegistryUtils::GetRegistryKeyTextValue(instances, (sub + "\\FriendlyName").c_str())) != name)
            continue;
        const std::string clsid = Text(URegistryUtils::GetRegistryKeyTextValue(instances, (sub + "\\CLSID").c_str()));
        if (GuidFromText(clsid.c_str(), &found)) break;
        found = GUID{};
    }
    URegistryUtils::CloseRegistry(instances);
    return found;
}

} // namespace

CVideoEncoderFilter::CVideoEncoderFilter(CDirectShowGraph* graph, const char* name)
    : CTransformerFilter(graph, name, nullptr, nullptr)
{
    SetOwnComponent(true);
}

CVideoEncoderFilter::~CVideoEncoderFilter()
{
    CVideoEncoderFilter::Release();
}

void CVideoEncoderFilter::SetCodec(const char* codecName, const char* deviceName)
{
    m_codecName = codecName ? codecName : "";
    m_deviceName = deviceName ? deviceName : "";
}

bool CVideoEncoderFilter::Create()
{
    if (GetFilter()) return true;
    const CVideoCodecInfo* codec =
        CVideoCodecsInfo::sInfo ? CVideoCodecsInfo::sInfo->Find(m_codecName, m_deviceName) : nullptr;
    const GUID id = codec ? codec->GetId() : GUID{};
    if (id != GUID{}) {
        SetId(id);
        if (!CTransformerFilter::Create()) return false;
    } else if (!CreateInstalled()) {
        return false;
    }
    QueryInterfaceTo(GetFilter(), &m_settings);
    if (m_settings) {
        if (m_state.GetSize() > 0) m_settings->SetState(m_state.GetBuffer(), static_cast<LONG>(m_state.GetSize()));
        if (m_quality > 0) m_settings->SetQuality(m_quality);
    } else if (m_state.GetSize() > 0 && Dialogs()) {
        m_dialogs->SetState(m_state.GetBuffer(), static_cast<int>(m_state.GetSize()));
    }
    return true;
}

bool CVideoEncoderFilter::CreateInstalled()
{
    // The system device enumerator's compressors first, then the registry's list.
    SetId(GUID{}, false, true, false);
    SetCompressorNames(m_codecName);
    {
        StSilentCreation silent;
        if (CTransformerFilter::Create()) return true;
    }
    const GUID id = InstalledCompressorId(m_codecName);
    SetId(id);
    if (id != GUID{}) return CTransformerFilter::Create();
    if (sPromptError) PromptCreateError();
    return false;
}

void CVideoEncoderFilter::Release()
{
    SafeRelease(m_settings);
    SafeRelease(m_dialogs);
    CTransformerFilter::Release();
}

bool CVideoEncoderFilter::SetSizeClass(LONG sizeClass)
{
    return m_settings && SUCCEEDED(m_settings->SetSizeClass(sizeClass));
}

IAMVfwCompressDialogs* CVideoEncoderFilter::Dialogs()
{
    if (!m_dialogs && GetFilter()) QueryInterfaceTo(GetFilter(), &m_dialogs);
    return m_dialogs;
}

bool CVideoEncoderFilter::HasAboutDialog()
{
    return Dialogs() && m_dialogs->ShowDialog(VfwCompressDialog_QueryAbout, nullptr) == S_OK;
}

bool CVideoEncoderFilter::ShowAboutDialog(HWND owner)
{
    return HasAboutDialog() && SUCCEEDED(m_dialogs->ShowDialog(VfwCompressDialog_About, owner));
}

bool CVideoEncoderFilter::HasSettingsDialog()
{
    return Dialogs() && m_dialogs->ShowDialog(VfwCompressDialog_QueryConfig, nullptr) == S_OK;
}

bool CVideoEncoderFilter::ShowSettingsDialog(HWND owner)
{
    if (!HasSettingsDialog() || FAILED(m_dialogs->ShowDialog(VfwCompressDialog_Config, owner))) return false;
    int size = 0;
    if (FAILED(m_dialogs->GetState(nullptr, &size)) || size <= 0) return true;
    std::vector<unsigned char> state(static_cast<size_t>(size));
    if (FAILED(m_dialogs->GetState(state.data(), &size)) || size <= 0) return true;
    m_state.Allocate(0, false);
    m_state.Append(state.data(), static_cast<uint32_t>(size));
    return true;
}
