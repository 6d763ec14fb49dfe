#include "CVideoModeController.h"

#include "CCodecsInfo.h"
#include "CEntryCombo.h"
#include "CMediaOutput2.h"
#include "CVideoCodecsInfo.h"
#include "CVideoOutput2.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UFormatRows.h"
#include "UWindowsUtils.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

#include <cstdio>
#include <cstdlib>

namespace {

const ULONG kBitrates[] = {64000,  96000,  128000, 160000,  196000,  240000,  320000,  384000, 512000,
                           640000, 720000, 800000, 1024000, 1400000, 1600000, 1800000, 2048000};

const EEncoderControl kModes[] = {1, 2, 4, 8, 16, 32, 64};

} // namespace

CVideoModeController::CVideoModeController()
{
    mExpectedType = FourCharCode("mdo2");
    m_catalogue = CVideoCodecsInfo::sInfo;
}

CVideoModeController::~CVideoModeController()
{
    RetargetListenedReference<CTrackOutput>(*this, m_track, nullptr);
    RetargetListenedReference<CEntryCombo>(*this, m_bitrate, nullptr);
}

CMediaOutput2* CVideoModeController::GetMediaOutput() const
{
    return static_cast<CMediaOutput2*>(GetObjectA());
}

ESplitterType CVideoModeController::GetSplitterType() const
{
    return GetMediaOutput() ? GetMediaOutput()->GetSplitterType() : 0;
}

CFormatType* CVideoModeController::GetFormat() const
{
    return GetMediaOutput() ? UFormatRows::Find(GetSplitterType()) : nullptr;
}

void CVideoModeController::SetObjectSelf(CPersistObject* object)
{
    // The catalogue may have been made after the page.
    m_catalogue = CVideoCodecsInfo::sInfo;
    CObjectController2::SetObjectSelf(object);
    CMediaOutput2* output = GetMediaOutput();
    SetOutput(output ? output->GetVideoOutput(m_selector) : nullptr);
}

void CVideoModeController::SetOutput(CTrackOutput* track)
{
    RetargetListenedReference(*this, m_track, track);
}

void CVideoModeController::SetControls(CComboBox* mode, CEntryCombo* bitrate, CSliderCtrl* quality)
{
    m_mode = mode;
    RetargetListenedReference(*this, m_bitrate, bitrate);
    m_quality = quality;
    if (m_quality && m_quality->m_hWnd) m_quality->SetRange(0, 100);
}

void CVideoModeController::SetStatic(CStatic* bitrateLabel, CStatic* qualityValue)
{
    m_bitrateLabel = bitrateLabel;
    m_qualityValue = qualityValue;
}

CCodecInfo* CVideoModeController::GetCodec()
{
    if (!m_catalogue || !m_track || !GetMediaOutput()) return nullptr;
    CCodecInfo* codec = m_catalogue->FindCodec(GetSplitterType(), m_track->GetDisplayName());
    return codec && codec->IsActivated() ? codec : nullptr;
}

CString CVideoModeController::GetBitrateTypeText(EEncoderControl mode)
{
    switch (mode) {
    case 1: return "Quality";
    case 2:
    case 16: return "Constant Bitrate";
    case 4:
    case 32: return "Variable Bitrate - Target";
    case 8:
    case 64: return "Variable Bitrate - Peak";
    default: return "";
    }
}

CString CVideoModeController::GetBitrateLabelText(EEncoderControl mode)
{
    switch (mode) {
    case 2:
    case 16: return "Constant Bitrate:";
    case 4:
    case 32: return "Target Bitrate:";
    case 8:
    case 64: return "Peak Bitrate:";
    default: return "";
    }
}

CString CVideoModeController::GetBitrateText(ULONG bitsPerSecond)
{
    if (bitsPerSecond == 0) return "-";
    char text[64];
    std::snprintf(text, sizeof text, "%.1f kb/sec", bitsPerSecond * 0.001);
    return text;
}

ULONG CVideoModeController::GetBitrate(const char* text)
{
    const long kilobits = text ? std::atol(text) : 0;
    return kilobits > 0 ? static_cast<ULONG>(kilobits) * 1000u : 0u;
}

void CVideoModeController::AddBitrateType(EEncoderControl mode)
{
    UComboChoices::Add(m_mode, GetBitrateTypeText(mode));
}

void CVideoModeController::AddBitrateChoice(ULONG bitsPerSecond)
{
    if (!m_bitrate) return;
    const int index = m_bitrate->AddString(GetBitrateText(bitsPerSecond));
    if (index >= 0) m_bitrate->SetItemData(index, bitsPerSecond);
}

bool CVideoModeController::CheckBitrateType(EEncoderControl mode, const char* text)
{
    CCodecInfo* codec = GetCodec();
    return codec && (codec->GetEncoderControl() & mode) && GetBitrateTypeText(mode) == text;
}

void CVideoModeController::PopulateBitrateTypeCombo()
{
    if (!m_mode) return;
    UComboChoices::Clear(m_mode);
    CCodecInfo* codec = GetCodec();
    if (!codec) return;
    for (EEncoderControl mode : kModes)
        if (codec->GetEncoderControl() & mode) AddBitrateType(mode);
}

void CVideoModeController::PopulateBitrateCombo()
{
    if (!m_bitrate) return;
    UComboChoices::Clear(m_bitrate);
    for (ULONG bitrate : kBitrates) AddBitrateChoice(bitrate);
}

void CVideoModeController::ReflectOutputType()
{
    UWindowsUtils::EnableWindow(m_mode, true);
    UWindowsUtils::EnableWindow(m_bitrate, true);
    UWindowsUtils::EnableWindow(m_quality, true);
}

void CVideoModeController::ReflectBitrateType()
{
    if (!m_track) return;
    const EEncoderControl mode = m_track->GetEncoderControl();
    if (m_mode && GetCodec()) {
        UWindowsUtils::ShowWindow(m_quality, m_track->HasQualityEncoderControl());
        UWindowsUtils::ShowWindow(m_qualityValue, m_track->HasQualityEncoderControl());
        UWindowsUtils::ShowWindow(m_bitrate, m_track->HasBitrateEncoderControl());
        UComboChoices::SelectExact(m_mode, GetBitrateTypeText(mode));
    }
    if (m_bitrateLabel) UWindowsUtils::SetWindowTextA(m_bitrateLabel, GetBitrateLabelText(mode));
}

void CVideoModeController::ReflectBitrate()
{
    if (!m_track || !m_bitrate) return;
    const CString text = GetBitrateText(m_track->GetBitrate());
    if (!UComboChoices::SelectExact(m_bitrate, text)) m_bitrate->SetWindowText(text);
}

void CVideoModeController::ReflectQuality()
{
    if (!m_track) return;
    if (m_quality) m_quality->SetPos(m_track->GetQuality());
    UWindowsUtils::SetWindowTextA(m_qualityValue, static_cast<int>(m_track->GetQuality()));
}

void CVideoModeController::EnterBitrateType()
{
    CString text;
    if (!m_track || !UComboChoices::GetSelectedText(m_mode, text)) return;
    for (EEncoderControl mode : kModes) {
        if (!CheckBitrateType(mode, text)) continue;
        if (!m_track->SetEncoderControl(mode)) ReflectBitrateType();
        return;
    }
    ReflectBitrateType();
}

void CVideoModeController::EnterBitrate()
{
    if (!m_track || !m_bitrate) return;
    const int selected = m_bitrate->GetCurSel();
    if (selected < 0 || !m_track->SetBitrate(static_cast<ULONG>(m_bitrate->GetItemData(selected)))) ReflectBitrate();
}

void CVideoModeController::EnterBitrateByEdit()
{
    if (!m_track || !m_bitrate) return;
    CString text;
    m_bitrate->GetWindowText(text);
    m_track->SetBitrate(GetBitrate(text));
    ReflectBitrate();
}

void CVideoModeController::EnterQuality()
{
    if (!m_track || !m_quality) return;
    if (!m_track->SetQuality(static_cast<unsigned char>(m_quality->GetPos()))) ReflectQuality();
}

void CVideoModeController::Refresh()
{
    ReflectOutputType();
    PopulateBitrateTypeCombo();
    ReflectBitrateType();
    PopulateBitrateCombo();
    ReflectBitrate();
    ReflectQuality();
}

bool CVideoModeController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case COutputType2::kSplitterTypeChangedNotice:
    case CTrackOutput::kDisplayNameChangedNotice: Refresh(); return true;
    case CTrackOutput::kBitrateChangedNotice: ReflectBitrate(); return true;
    case CTrackOutput::kQualityChangedNotice: ReflectQuality(); return true;
    case CTrackOutput::kEncoderControlChangedNotice: ReflectBitrateType(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CVideoModeController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage && m_bitrate && p == m_bitrate->Identity()) {
        EnterBitrateByEdit();
        return true;
    }
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_track, p);
        ForgetDyingReference(m_bitrate, p);
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
