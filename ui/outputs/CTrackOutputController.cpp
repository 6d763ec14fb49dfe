#include "CTrackOutputController.h"

#include "CCodecsInfo.h"
#include "CEntryCombo.h"
#include "CFormatType.h"
#include "CMediaOutput2.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UFormatRows.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

#include <cstdio>

CTrackOutputController::CTrackOutputController()
{
    mExpectedType = FourCharCode("mdo2");
}

CTrackOutputController::~CTrackOutputController()
{
    RetargetListenedReference<CTrackOutput>(*this, m_track, nullptr);
    if (m_codec) static_cast<CBroadcaster*>(m_codec)->RemoveListener(this);
}

CMediaOutput2* CTrackOutputController::GetMediaOutput() const
{
    return static_cast<CMediaOutput2*>(GetObjectA());
}

void CTrackOutputController::SetOutput(CTrackOutput* track)
{
    RetargetListenedReference(*this, m_track, track);
}

void CTrackOutputController::SetControls(CEntryCombo* codec, CComboBox* bitrate, CSliderCtrl* quality,
                                         CButton* regulateTimecode)
{
    RetargetListenedReference(*this, m_codec, codec);
    m_bitrate = bitrate;
    m_quality = quality;
    m_regulateTimecode = regulateTimecode;
    if (m_quality && m_quality->m_hWnd) m_quality->SetRange(0, 100);
}

void CTrackOutputController::SetStatic(CStatic* bitrateLabel, CStatic* qualityLabel, CStatic* qualityValue)
{
    m_bitrateLabel = bitrateLabel;
    m_qualityLabel = qualityLabel;
    m_qualityValue = qualityValue;
}

void CTrackOutputController::SetDisableButton(CButton* button)
{
    m_disable = button;
    UWindowsUtils::ShowWindow(m_disable, false);
}

CFormatType* CTrackOutputController::GetFormat() const
{
    return GetMediaOutput() ? UFormatRows::Find(GetSplitterType()) : nullptr;
}

ESplitterType CTrackOutputController::GetSplitterType() const
{
    CMediaOutput2* output = GetMediaOutput();
    return output ? output->GetSplitterType() : 0;
}

CTvCodecOption* CTrackOutputController::GetTvOption() const
{
    CMediaOutput2* output = GetMediaOutput();
    CFormatType* format = GetFormat();
    if (!output || !UFormatRows::HasTvOption(format)) return nullptr;
    return UFormatRows::FindTvOption(format, output->GetTvType());
}

CCodecInfo* CTrackOutputController::GetCodec()
{
    if (!m_catalogue || !m_track) return nullptr;
    CCodecInfo* codec = m_catalogue->FindCodec(GetSplitterType(), m_track->GetDisplayName());
    return codec && codec->IsActivated() ? codec : nullptr;
}

bool CTrackOutputController::IsCodecSupported(CCodecInfo* codec, CFormatType* format)
{
    return codec && format && codec->IsSupported(format->GetSplitterType()) && codec->IsActivated();
}

bool CTrackOutputController::AllowBitrate(LONG, DWORD)
{
    return true;
}

void CTrackOutputController::PopulateCodecCombo()
{
    if (!m_codec) return;
    UComboChoices::Clear(m_codec);
    if (!m_catalogue) return;
    CFormatType* format = GetFormat();
    for (int i = 0; i < m_catalogue->GetCodecCount(); ++i) {
        CCodecInfo* codec = m_catalogue->GetCodec(i);
        if (IsCodecSupported(codec, format)) UComboChoices::Add(m_codec, codec->GetDisplayName());
    }
}

void CTrackOutputController::ReflectOutputType()
{
    CFormatType* format = GetFormat();
    if (!format) return;
    UWindowsUtils::EnableWindow(m_regulateTimecode, AllowBitrate(format->GetConfigureFlag(), format->GetFlag1()));
}

void CTrackOutputController::ReflectCodec()
{
    if (!m_track || !m_codec) return;
    const CString& name = m_track->GetDisplayName();
    // No codec yet: nothing to list or select.
    if (name.IsEmpty()) {
        m_codec->SetCurSel(-1);
        return;
    }
    int index = UComboChoices::FindExact(m_codec, name);
    // A codec the catalogue does not offer for this type still shows.
    if (index < 0) index = m_codec->AddString(name);
    m_codec->SetCurSel(index);
}

CString CTrackOutputController::GetBitrateText(ULONG bitsPerSecond)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f kb/sec", bitsPerSecond * 0.001);
    return text;
}

void CTrackOutputController::AddBitrateChoice(ULONG bitsPerSecond)
{
    if (!m_bitrate) return;
    const int index = m_bitrate->AddString(GetBitrateText(bitsPerSecond));
    if (index >= 0) m_bitrate->SetItemData(index, bitsPerSecond);
}

void CTrackOutputController::ReflectBitrate()
{
    if (!m_track || !m_bitrate) return;
    const CString text = GetBitrateText(m_track->GetBitrate());
    if (!UComboChoices::SelectExact(m_bitrate, text)) m_bitrate->SetWindowText(text);
}

void CTrackOutputController::ReflectQuality()
{
    if (!m_track) return;
    if (m_quality) m_quality->SetPos(m_track->GetQuality());
    UWindowsUtils::SetWindowTextA(m_qualityValue, static_cast<int>(m_track->GetQuality() & 0xFF));
}

void CTrackOutputController::ReflectRegulateTimecode()
{
    if (m_track) UWindowsUtils::SetCheck(m_regulateTimecode, m_track->GetRegulateTimecode());
}

void CTrackOutputController::EnterCodec()
{
    CString name;
    if (!m_track || !UComboChoices::GetSelectedText(m_codec, name)) return;
    if (!m_track->SetDisplayName(name)) ReflectCodec();
}

void CTrackOutputController::EnterCodecByEditing()
{
    if (!m_track || !m_codec) return;
    CString name;
    m_codec->GetWindowText(name);
    if (!m_track->SetDisplayName(name)) ReflectCodec();
}

void CTrackOutputController::EnterBitrate()
{
    if (!m_track || !m_bitrate) return;
    const int selected = m_bitrate->GetCurSel();
    if (selected < 0 || !m_track->SetBitrate(static_cast<ULONG>(m_bitrate->GetItemData(selected)))) ReflectBitrate();
}

void CTrackOutputController::EnterQuality()
{
    if (!m_track || !m_quality) return;
    if (!m_track->SetQuality(static_cast<unsigned char>(m_quality->GetPos()))) ReflectQuality();
}

void CTrackOutputController::EnterRegulateTimecode()
{
    if (!m_track || !m_regulateTimecode) return;
    if (!m_track->SetRegulateTimecode(UWindowsUtils::GetCheck(m_regulateTimecode))) ReflectRegulateTimecode();
}

CCodecInfo* CTrackOutputController::GetCloseMatchCodec()
{
    if (!m_catalogue || !m_track) return nullptr;
    CCodecInfo* codec = m_catalogue->FindCloseMatchCodec(GetSplitterType(), m_track->GetDisplayName());
    return codec && codec->IsActivated() ? codec : nullptr;
}

CCodecInfo* CTrackOutputController::GetDefaultCodec()
{
    return m_catalogue ? m_catalogue->FindCodec(GetSplitterType()) : nullptr;
}

void CTrackOutputController::SetDefaultCodec()
{
    if (!m_track || GetCodec()) return;
    CCodecInfo* codec = GetCloseMatchCodec();
    if (!codec) codec = GetDefaultCodec();
    if (codec) m_track->SetDisplayName(codec->GetDisplayName());
}

void CTrackOutputController::SetDefault()
{
    SetDefaultCodec();
}

void CTrackOutputController::DisableCodec()
{
    CCodecInfo* codec = GetCodec();
    if (codec) codec->SetSupported(GetSplitterType(), false);
}

void CTrackOutputController::Refresh()
{
    ReflectOutputType();
    ReflectTvType();
    PopulateCodecCombo();
    ReflectCodec();
    PopulateBitrateCombo();
    ReflectBitrate();
    ReflectQuality();
    ReflectRegulateTimecode();
}

bool CTrackOutputController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CMediaOutput2::kTvTypeChangedNotice:
    case COutputType2::kSplitterTypeChangedNotice:
        SetDefault();
        Refresh();
        return true;
    case CTrackOutput::kDisplayNameChangedNotice:
        ReflectCodec();
        return true;
    case CTrackOutput::kBitrateChangedNotice:
        ReflectBitrate();
        return true;
    case CTrackOutput::kQualityChangedNotice:
        ReflectQuality();
        return true;
    case CTrackOutput::kRegulateTimecodeChangedNotice:
        ReflectRegulateTimecode();
        return true;
    default:
        return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CTrackOutputController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage && m_codec && p == m_codec->Identity()) {
        EnterCodecByEditing();
        return true;
    }
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_track, p);
        if (m_codec && p == m_codec->Identity()) m_codec = nullptr;
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
