#include "CQuorlanFormatDecision.h"

#include "CMediaConversionData.h"
#include "CMediaFile2.h"
#include "CPersistList.h"
#include "CPortableMediaConversion.h"
#include "CQuorlanData.h"
#include "CTargetDecisions.h"
#include "SNotifyRecord.h"
#include "TListenedReference.h"

CQuorlanFormatDecision::~CQuorlanFormatDecision()
{
    SetData(nullptr);
}

unsigned char CQuorlanFormatDecision::GetQuality()
{
    return m_device ? m_device->GetQuality() : CFormatDecision::GetQuality();
}

ULONG CQuorlanFormatDecision::GetMaxVideoBitrate()
{
    return m_device ? m_device->GetVideoMaxBitrate() : CFormatDecision::GetMaxVideoBitrate();
}

ULONG CQuorlanFormatDecision::GetMaxAudioBitrate()
{
    return m_device ? m_device->GetAudioMaxBitrate() : CFormatDecision::GetMaxAudioBitrate();
}

CTargetConversion* CQuorlanFormatDecision::FindTarget(CMediaFile2* input, CMediaOutput2* output)
{
    if (!m_settings || !CTargetDecisions::sDecisions || !input || !output) return nullptr;
    if (input->GetSelectedVideo() && output->GetWantsVideo())
        return CTargetDecisions::sDecisions->FindTarget(GetPlatform(), m_settings->GetVideoTarget(), kMediaTypeVideo);
    return CTargetDecisions::sDecisions->FindTarget(GetPlatform(), m_settings->GetAudioTarget(), kMediaTypeAudio);
}

void CQuorlanFormatDecision::SetData(CQuorlanData* document)
{
    if (!RetargetListenedReference(*this, m_document, document)) return;
    UpdateProfile();
    UpdateFileList();
    UpdateFormat();
}

void CQuorlanFormatDecision::SetProfile(CPortableMediaConversion* settings)
{
    RetargetListenedReference(*this, m_settings, settings);
    SetQuality(m_settings ? &m_settings->GetDevice() : nullptr);
}

void CQuorlanFormatDecision::SetQuality(CTargetDevice* device)
{
    RetargetListenedReference(*this, m_device, device);
}

void CQuorlanFormatDecision::SetFileList(CPersistList* files)
{
    RetargetListenedReference(*this, m_files, files);
}

void CQuorlanFormatDecision::UpdateProfile()
{
    if (!m_document) {
        SetPlatform("");
        SetProfile(nullptr);
        return;
    }
    const CString device = m_document->GetDevice();
    SetPlatform(device);
    if (device.IsEmpty()) {
        SetProfile(nullptr);
        return;
    }
    // Its callers decide the files next, once the file list is the document's own.
    SetProfile(m_document->EnsureDevice(device));
}

void CQuorlanFormatDecision::UpdateFileList()
{
    SetFileList(m_document ? &m_document->GetConversionList().GetFiles() : nullptr);
}

void CQuorlanFormatDecision::UpdateFormat()
{
    // The count is read afresh before each item: deciding runs the pages' rules, which may reach the list.
    for (int i = 0; m_files && i < m_files->GetItemCount(); ++i) {
        auto* item = dynamic_cast<CMediaConversionData*>(m_files->GetAt(i));
        if (item) SetFormat(&item->GetInput(), &item->GetMediaOutput(), false);
    }
}

bool CQuorlanFormatDecision::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_document, p);
        ForgetDyingReference(m_settings, p);
        ForgetDyingReference(m_device, p);
        ForgetDyingReference(m_files, p);
    }
    return CListener::ListenToMessage(message, p, q);
}

bool CQuorlanFormatDecision::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CQuorlanData::kDeviceChangedNotice:
        UpdateProfile();
        UpdateFormat();
        return true;
    case CPortableMediaConversion::kVideoTargetChangedNotice:
    case CPortableMediaConversion::kAudioTargetChangedNotice:
    case CTargetDevice::kQualityChangedNotice:
    case CTargetDevice::kVideoMaxBitrateChangedNotice:
    case CTargetDevice::kAudioMaxBitrateChangedNotice:
        UpdateFormat();
        return true;
    case CPersistList::kListItemAddedNotice:
        if (sender != static_cast<CBroadcaster*>(m_files)) break;
        if (auto* item = dynamic_cast<CMediaConversionData*>(reinterpret_cast<CPersistObject*>(a)))
            SetFormat(&item->GetInput(), &item->GetMediaOutput(), true);
        return true;
    default:
        break;
    }
    return CListener::Respond(code, sender, a, b);
}
