#include "CDeviceQualityController.h"

#include "CEntryCombo.h"
#include "CPortableMediaConversion.h"
#include "CTargetDecisions.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

#include <cstdio>
#include <cstdlib>
#include <iterator>

namespace {

const unsigned long kVideoChoices[] = {160000,  196000,  240000,  320000,  384000,  512000,
                                       640000,  720000,  768000,  800000,  1024000, 1200000,
                                       1400000, 1600000, 1800000, 2048000, 2400000, 2500000};
const unsigned long kAudioChoices[] = {32000, 64000, 96000, 128000, 160000, 196000, 240000, 288000, 320000};

} // namespace

CDeviceQualityController::CDeviceQualityController()
{
    mExpectedType = FourCharCode("pmed");
}

CDeviceQualityController::~CDeviceQualityController()
{
    SetObject(nullptr, false);
    RetargetListenedReference<CEntryCombo>(*this, m_videoBitrate, nullptr);
    RetargetListenedReference<CEntryCombo>(*this, m_audioBitrate, nullptr);
}

CPortableMediaConversion* CDeviceQualityController::GetConversion() const
{
    return static_cast<CPortableMediaConversion*>(GetObjectA());
}

void CDeviceQualityController::SetControls(CSliderCtrl* quality, CEntryCombo* videoBitrate, CEntryCombo* audioBitrate)
{
    m_quality = quality;
    if (m_quality) m_quality->SetRange(0, 100);
    RetargetListenedReference(*this, m_videoBitrate, videoBitrate);
    RetargetListenedReference(*this, m_audioBitrate, audioBitrate);
}

void CDeviceQualityController::SetObjectSelf(CPersistObject* object)
{
    CObjectController2::SetObjectSelf(object);
    CPortableMediaConversion* conversion = GetConversion();
    SetDevice(conversion ? &conversion->GetDevice() : nullptr);
}

void CDeviceQualityController::SetDevice(CTargetDevice* device) { RetargetListenedReference(*this, m_device, device); }

CString CDeviceQualityController::GetBitrateText(unsigned long bitrate)
{
    if (bitrate == 0) return "-";
    char text[48];
    std::snprintf(text, sizeof text, "%.1f kb/sec", bitrate * 0.001);
    return text;
}

unsigned long CDeviceQualityController::GetBitrate(const char* text)
{
    // Negative and absurd numbers are no bitrate.
    const long long kilo = std::atoll(text ? text : "");
    if (kilo <= 0 || kilo > 4000000) return 0;
    return static_cast<unsigned long>(kilo) * 1000;
}

void CDeviceQualityController::AddBitrateChoice(CEntryCombo* combo, unsigned long bitrate, unsigned long maximum)
{
    if (!combo || maximum < bitrate) return;
    const int index = combo->AddString(GetBitrateText(bitrate));
    if (index >= 0) combo->SetItemData(index, bitrate);
}

void CDeviceQualityController::PopulateBitrates(CEntryCombo* combo, const CString& preset, long mediaType,
                                                const unsigned long* choices, int count)
{
    if (!combo) return;
    UComboChoices::Clear(combo);
    CPortableMediaConversion* conversion = GetConversion();
    CTargetDecisions* decisions = CTargetDecisions::sDecisions;
    if (!conversion || !decisions) return;
    CTargetConversion* found = decisions->FindTarget(conversion->GetName(), preset, mediaType);
    if (!found) return;
    for (int i = 0; i < count; ++i) AddBitrateChoice(combo, choices[i], found->GetMaxBitrate());
}

void CDeviceQualityController::PopulateVideoBitrateCombo()
{
    CPortableMediaConversion* conversion = GetConversion();
    PopulateBitrates(m_videoBitrate, conversion ? conversion->GetVideoTarget() : CString(), kMediaTypeVideo,
                     kVideoChoices, static_cast<int>(std::size(kVideoChoices)));
}

void CDeviceQualityController::PopulateAudioBitrateCombo()
{
    CPortableMediaConversion* conversion = GetConversion();
    PopulateBitrates(m_audioBitrate, conversion ? conversion->GetAudioTarget() : CString(), kMediaTypeAudio,
                     kAudioChoices, static_cast<int>(std::size(kAudioChoices)));
}

void CDeviceQualityController::ReflectQuality()
{
    if (!m_device) return;
    if (m_quality) m_quality->SetPos(m_device->GetQuality());
    UWindowsUtils::SetWindowTextA(m_qualityText, static_cast<int>(m_device->GetQuality()));
}

void CDeviceQualityController::ReflectBitrate(CEntryCombo* combo, unsigned long bitrate)
{
    if (!combo) return;
    const CString text = GetBitrateText(bitrate);
    if (!UComboChoices::SelectExact(combo, text)) combo->SetWindowText(text);
}

void CDeviceQualityController::ReflectVideoBitrate()
{
    if (m_device) ReflectBitrate(m_videoBitrate, m_device->GetVideoMaxBitrate());
}

void CDeviceQualityController::ReflectAudioBitrate()
{
    if (m_device) ReflectBitrate(m_audioBitrate, m_device->GetAudioMaxBitrate());
}

void CDeviceQualityController::EnterQuality()
{
    if (!m_device || !m_quality) return;
    if (!m_device->SetQuality(static_cast<unsigned char>(m_quality->GetPos()))) ReflectQuality();
}

bool CDeviceQualityController::SelectedBitrate(CEntryCombo* combo, unsigned long& bitrate)
{
    const int selected = combo->GetCurSel();
    if (selected < 0) return false;
    bitrate = static_cast<unsigned long>(combo->GetItemData(selected));
    return true;
}

unsigned long CDeviceQualityController::EditedBitrate(CEntryCombo* combo)
{
    CString text;
    combo->GetWindowText(text);
    return GetBitrate(text);
}

void CDeviceQualityController::EnterVideoBitrate()
{
    unsigned long bitrate = 0;
    if (!m_device || !m_videoBitrate || !SelectedBitrate(m_videoBitrate, bitrate)) return;
    if (!m_device->SetVideoMaxBitrate(static_cast<ULONG>(bitrate))) ReflectVideoBitrate();
}

void CDeviceQualityController::EnterVideoBitrateByEdit()
{
    if (!m_device || !m_videoBitrate) return;
    m_device->SetVideoMaxBitrate(static_cast<ULONG>(EditedBitrate(m_videoBitrate)));
    ReflectVideoBitrate();
}

void CDeviceQualityController::EnterAudioBitrate()
{
    unsigned long bitrate = 0;
    if (!m_device || !m_audioBitrate || !SelectedBitrate(m_audioBitrate, bitrate)) return;
    if (!m_device->SetAudioMaxBitrate(static_cast<ULONG>(bitrate))) ReflectAudioBitrate();
}

void CDeviceQualityController::EnterAudioBitrateByEdit()
{
    if (!m_device || !m_audioBitrate) return;
    m_device->SetAudioMaxBitrate(static_cast<ULONG>(EditedBitrate(m_audioBitrate)));
    ReflectAudioBitrate();
}

void CDeviceQualityController::Refresh()
{
    ReflectQuality();
    PopulateVideoBitrateCombo();
    PopulateAudioBitrateCombo();
    ReflectVideoBitrate();
    ReflectAudioBitrate();
}

char* CDeviceQualityController::GetText()
{
    if (!m_device) return UStringBuffer::Text("");
    return UStringBuffer::Text(static_cast<int>(m_device->GetQuality()));
}

bool CDeviceQualityController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CPortableMediaConversion::kVideoTargetChangedNotice:
        PopulateVideoBitrateCombo();
        ReflectVideoBitrate();
        return true;
    case CTargetDevice::kVideoMaxBitrateChangedNotice: ReflectVideoBitrate(); return true;
    case CPortableMediaConversion::kAudioTargetChangedNotice:
        PopulateAudioBitrateCombo();
        ReflectAudioBitrate();
        return true;
    case CTargetDevice::kAudioMaxBitrateChangedNotice: ReflectAudioBitrate(); return true;
    case CTargetDevice::kQualityChangedNotice: ReflectQuality(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CDeviceQualityController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        if (m_videoBitrate && p == m_videoBitrate->Identity()) {
            EnterVideoBitrateByEdit();
            return true;
        }
        if (m_audioBitrate && p == m_audioBitrate->Identity()) {
            EnterAudioBitrateByEdit();
            return true;
        }
    }
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_device, p);
        ForgetDyingReference(m_videoBitrate, p);
        ForgetDyingReference(m_audioBitrate, p);
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
