#include "CQuorlanDeviceTypeController.h"

#include "CObjectPanel.h"
#include "CPortableMediaConversion.h"
#include "CQuorlanData.h"
#include "CTargetDecisions.h"
#include "CTargetPlatform.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"

CQuorlanDeviceTypeController::CQuorlanDeviceTypeController()
{
    mExpectedType = FourCharCode("qrld");
}

CQuorlanDeviceTypeController::~CQuorlanDeviceTypeController()
{
    // The pages are not ours and may be gone already: they are left as they are.
    m_profile = m_quality = m_saveFolder = m_sync = m_info = nullptr;
    SetObject(nullptr, false);
}

CQuorlanData* CQuorlanDeviceTypeController::GetData() const { return static_cast<CQuorlanData*>(GetObjectA()); }

void CQuorlanDeviceTypeController::SetControls(CComboBox* deviceType)
{
    m_deviceType = deviceType;
    Refresh();
}

void CQuorlanDeviceTypeController::SetPanels(CObjectPanel* profile, CObjectPanel* quality, CObjectPanel* saveFolder,
                                             CObjectPanel* sync, CObjectPanel* info)
{
    for (CObjectPanel* panel : {m_profile, m_quality, m_saveFolder, m_sync, m_info})
        if (panel) panel->SetObject(nullptr);
    m_profile = profile;
    m_quality = quality;
    m_saveFolder = saveFolder;
    m_sync = sync;
    m_info = info;
}

void CQuorlanDeviceTypeController::SetObjectSelf(CPersistObject* object)
{
    CObjectController2::SetObjectSelf(object);
    UpdateTarget();
}

void CQuorlanDeviceTypeController::UpdateTarget()
{
    CQuorlanData* data = GetData();
    // Before a device is chosen there are no settings to show, and no nameless ones are made.
    SetTarget(data && !data->GetDevice().IsEmpty() ? data->EnsureDevice(data->GetDevice()) : nullptr);
}

void CQuorlanDeviceTypeController::SetTarget(CPortableMediaConversion* settings)
{
    RetargetListenedReference(*this, m_settings, settings);
    BindPanels();
}

void CQuorlanDeviceTypeController::BindPanels()
{
    if (m_profile) m_profile->SetObject(m_settings);
    if (m_quality) m_quality->SetObject(m_settings);
    if (m_saveFolder) m_saveFolder->SetObject(m_settings ? &m_settings->GetSaveDir() : nullptr);
    if (m_sync) m_sync->SetObject(CanSync() ? m_settings : nullptr);
    if (m_info) m_info->SetObject(GetPlatformforInfo());
}

CTargetPlatform* CQuorlanDeviceTypeController::GetPlatform()
{
    CQuorlanData* data = GetData();
    CTargetDecisions* decisions = CTargetDecisions::sDecisions;
    // No device chosen yet: no nameless platform is made for it.
    if (!data || !decisions || data->GetDevice().IsEmpty()) return nullptr;
    return decisions->EnsurePlatform(data->GetDevice());
}

bool CQuorlanDeviceTypeController::CanSync()
{
    CTargetPlatform* platform = GetPlatform();
    return platform && platform->GetCanSync();
}

CTargetPlatform* CQuorlanDeviceTypeController::GetPlatformforInfo()
{
    CTargetPlatform* platform = GetPlatform();
    return platform && !platform->GetNotes().IsEmpty() ? platform : nullptr;
}

void CQuorlanDeviceTypeController::SetDefault()
{
    CObjectController2::SetDefault();
    CTargetDecisions* decisions = CTargetDecisions::sDecisions;
    if (!m_settings || !decisions) return;
    if (m_settings->GetVideoTarget().IsEmpty())
        if (CTargetConversion* video = decisions->FindTarget(m_settings->GetName(), kMediaTypeVideo))
            m_settings->SetVideoTarget(video->GetName());
    if (m_settings->GetAudioTarget().IsEmpty())
        if (CTargetConversion* audio = decisions->FindTarget(m_settings->GetName(), kMediaTypeAudio))
            m_settings->SetAudioTarget(audio->GetName());
}

void CQuorlanDeviceTypeController::PopulateDeviceTypeCombo()
{
    CTargetDecisions* decisions = CTargetDecisions::sDecisions;
    if (!m_deviceType || !decisions) return;
    UComboChoices::Clear(m_deviceType);
    for (int i = 0; i < decisions->GetPlatformCount(); ++i) {
        CTargetPlatform* platform = decisions->GetPlatform(i);
        if (!platform) continue;
        const bool listed = m_filter.IsEmpty() ? !platform->GetName().IsEmpty() && platform->GetActive()
                                               : platform->GetName() == m_filter;
        if (listed) UComboChoices::Add(m_deviceType, platform->GetName());
    }
}

void CQuorlanDeviceTypeController::ReflectDeviceType()
{
    CQuorlanData* data = GetData();
    if (m_deviceType && CTargetDecisions::sDecisions && data)
        UComboChoices::SelectExact(m_deviceType, data->GetDevice());
    UpdateTarget();
}

void CQuorlanDeviceTypeController::EnterDeviceType()
{
    CQuorlanData* data = GetData();
    if (!data || !m_deviceType) return;
    CString text;
    UComboChoices::GetSelectedText(m_deviceType, text);
    if (!data->SetDevice(text)) ReflectDeviceType();
}

void CQuorlanDeviceTypeController::Refresh()
{
    PopulateDeviceTypeCombo();
    ReflectDeviceType();
}

char* CQuorlanDeviceTypeController::GetText()
{
    CQuorlanData* data = GetData();
    return UStringBuffer::Text(data ? data->GetDevice().GetString() : "");
}

bool CQuorlanDeviceTypeController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CQuorlanData::kDeviceChangedNotice) {
        ReflectDeviceType();
        SetDefault();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}
