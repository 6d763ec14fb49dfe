#include "CAudioOutput2Controller.h"

#include "CAudioCodecsInfo.h"
#include "CDirectShowSystem2.h"
#include "CFormatType.h"
#include "CMediaOutput2.h"
#include "CTvCodecOption.h"
#include "TListenedReference.h"
#include "UAudioTexts.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

#include <cstring>

CAudioOutput2Controller* CAudioOutput2Controller::sController = nullptr;

namespace {

constexpr ESplitterType kLameType = 500;

// Entries of one level of a settings tree, in their stored order.
template <class Add>
void ForEachSampleRate(CTvCodecOption* tv, CAudioCodecInfo* codec, Add add)
{
    if (tv) {
        for (int i = 0; i < tv->GetSampleRateCount(); ++i) add(tv->GetSampleRate(i));
    } else if (codec) {
        for (int i = 0; i < codec->GetSampleRateCount(); ++i) add(codec->GetSampleRate(i));
    }
}

bool HasCommonBits(CAudioCodecChannel* channel)
{
    return channel && (channel->Find(8) || channel->Find(16) || channel->Find(24));
}

bool HasBitrates(CAudioCodecBitsPerSample* bits)
{
    return bits && bits->GetCount() > 0;
}

} // namespace

CAudioOutput2Controller::CAudioOutput2Controller()
{
    m_catalogue = CAudioCodecsInfo::sInfo;
    if (!sController) sController = this;
    FindLameCodec();
}

CAudioOutput2Controller::~CAudioOutput2Controller()
{
    if (sController == this) sController = nullptr;
    RetargetListenedReference<CCodecInfo>(*this, m_lame, nullptr);
    RetargetListenedReference<CAudioInfo2>(*this, m_info, nullptr);
}

void CAudioOutput2Controller::FindLameCodec()
{
    CCodecInfo* lame = nullptr;
    if (CAudioCodecsInfo::sInfo && CDirectShowSystem2::sLameDllText)
        lame = CAudioCodecsInfo::sInfo->FindCodec(kLameType, CDirectShowSystem2::sLameDllText);
    if (lame) RetargetListenedReference(*this, m_lame, lame);
}

CAudioOutput2* CAudioOutput2Controller::GetAudioOutput() const
{
    return static_cast<CAudioOutput2*>(m_track);
}

bool CAudioOutput2Controller::IsAutomatic() const
{
    return GetAudioOutput() && GetAudioOutput()->GetAutoSettings();
}

void CAudioOutput2Controller::SetObjectSelf(CPersistObject* object)
{
    // The catalogue may have been made after the page.
    m_catalogue = CAudioCodecsInfo::sInfo;
    if (!m_lame) FindLameCodec();
    CTrackOutputController::SetObjectSelf(object);
    CMediaOutput2* output = GetMediaOutput();
    SetOutput(output ? output->GetAudioOutput(m_selector) : nullptr);
}

void CAudioOutput2Controller::SetOutput(CTrackOutput* track)
{
    CTrackOutputController::SetOutput(track);
    SetAudioInfo(GetAudioOutput() ? &GetAudioOutput()->GetAudioInfo() : nullptr);
}

void CAudioOutput2Controller::SetAudioInfo(CAudioInfo2* info)
{
    RetargetListenedReference(*this, m_info, info);
}

void CAudioOutput2Controller::SetMoreControls(CButton* automatic, CButton* specify, CComboBox* sampleRate,
                                              CComboBox* channel, CComboBox* bits)
{
    m_automatic = automatic;
    m_specify = specify;
    m_sampleRate = sampleRate;
    m_channel = channel;
    m_bits = bits;
}

void CAudioOutput2Controller::SetMoreStatics(CStatic* settings, CStatic* sampleRate, CStatic* channel, CStatic* bits)
{
    m_settingsLabel = settings;
    m_sampleRateLabel = sampleRate;
    m_channelLabel = channel;
    m_bitsLabel = bits;
}

CAudioCodecInfo* CAudioOutput2Controller::GetAudioCodec()
{
    return dynamic_cast<CAudioCodecInfo*>(GetCodec());
}

CAudioCodecSampleRate* CAudioOutput2Controller::GetAudioCodecSampleRate(bool ignoreTv)
{
    if (!m_info) return nullptr;
    const ULONG rate = m_info->GetSampleRate();
    CTvCodecOption* tv = ignoreTv ? nullptr : GetTvOption();
    CAudioCodecSampleRate* found = nullptr;
    if (tv) {
        ForEachSampleRate(tv, nullptr, [&](CAudioCodecSampleRate* entry) {
            if (!found && entry && entry->GetSampleRate() == rate) found = entry;
        });
        return found;
    }
    CAudioCodecInfo* codec = GetAudioCodec();
    return codec ? codec->Find(rate) : nullptr;
}

CAudioCodecChannel* CAudioOutput2Controller::GetAudioCodecChannel(bool ignoreTv)
{
    CAudioCodecSampleRate* rate = GetAudioCodecSampleRate(ignoreTv);
    return rate && m_info ? rate->Find(m_info->GetChannel()) : nullptr;
}

CAudioCodecBitsPerSample* CAudioOutput2Controller::GetAudioCodecBitsPerSample(bool ignoreTv)
{
    CAudioCodecChannel* channel = GetAudioCodecChannel(ignoreTv);
    return channel && m_info ? channel->Find(m_info->GetBitsPerSample()) : nullptr;
}

ULONG CAudioOutput2Controller::FindBestFit(ULONG& rate, unsigned short& channels, unsigned short& bits, int quality)
{
    CAudioCodecInfo* codec = GetAudioCodec();
    ULONG bitrate = 0;
    if (!codec || !codec->FindBestFit(rate, channels, bits, bitrate, quality)) return 0;
    return bitrate;
}

bool CAudioOutput2Controller::IsCodecSupported(CCodecInfo* codec, CFormatType* format)
{
    if (!CTrackOutputController::IsCodecSupported(codec, format)) return false;
    auto* audio = dynamic_cast<CAudioCodecInfo*>(codec);
    return audio && audio->GetSampleRateCount() > 0;
}

void CAudioOutput2Controller::PopulateSampleRateCombo()
{
    if (!m_sampleRate) return;
    UComboChoices::Clear(m_sampleRate);
    ForEachSampleRate(GetTvOption(), GetAudioCodec(), [&](CAudioCodecSampleRate* entry) {
        if (entry) UComboChoices::Add(m_sampleRate, UAudioTexts::SampleRateText(entry->GetSampleRate()));
    });
}

void CAudioOutput2Controller::PopulateChannelCombo()
{
    if (!m_channel) return;
    UComboChoices::Clear(m_channel);
    CAudioCodecSampleRate* rate = GetAudioCodecSampleRate(false);
    for (int i = 0; rate && i < rate->GetCount(); ++i)
        UComboChoices::Add(m_channel, UAudioTexts::ChannelText(rate->GetAt(i)->GetChannel()));
}

void CAudioOutput2Controller::PopulateBitsCombo()
{
    if (!m_bits) return;
    UComboChoices::Clear(m_bits);
    CAudioCodecChannel* channel = GetAudioCodecChannel(false);
    for (int i = 0; channel && i < channel->GetCount(); ++i)
        UComboChoices::Add(m_bits, UAudioTexts::BitsText(channel->GetAt(i)->GetBitsPerSample()));
}

void CAudioOutput2Controller::PopulateBitrateCombo()
{
    if (!m_bitrate) return;
    UComboChoices::Clear(m_bitrate);
    CAudioCodecBitsPerSample* bits = GetAudioCodecBitsPerSample(true);
    for (int i = 0; bits && i < bits->GetCount(); ++i) AddBitrateChoice(bits->GetAt(i)->GetBitrate());
}

void CAudioOutput2Controller::ReflectSampleRate()
{
    if (m_info) UComboChoices::SelectExact(m_sampleRate, UAudioTexts::SampleRateText(m_info->GetSampleRate()));
    PopulateChannelCombo();
    ReflectChannel();
}

void CAudioOutput2Controller::ReflectChannel()
{
    if (m_info) UComboChoices::SelectExact(m_channel, UAudioTexts::ChannelText(m_info->GetChannel()));
    PopulateBitsCombo();
    ReflectBitsPerSample();
}

void CAudioOutput2Controller::ReflectBitsPerSample()
{
    if (m_info) UComboChoices::SelectExact(m_bits, UAudioTexts::BitsText(m_info->GetBitsPerSample()));
    const bool shown = HasCommonBits(GetAudioCodecChannel(false)) && !IsAutomatic();
    UWindowsUtils::ShowWindow(m_bitsLabel, shown);
    UWindowsUtils::ShowWindow(m_bits, shown);
    PopulateBitrateCombo();
    ReflectBitrate();
}

void CAudioOutput2Controller::ReflectBitrate()
{
    CTrackOutputController::ReflectBitrate();
    const bool offered = HasBitrates(GetAudioCodecBitsPerSample(false));
    const bool shown = offered && !IsAutomatic();
    UWindowsUtils::ShowWindow(m_bitrateLabel, shown);
    UWindowsUtils::ShowWindow(m_bitrate, shown);
    // The list follows the values as they change, not only the output type.
    UWindowsUtils::EnableWindow(m_bitrate, offered);
}

void CAudioOutput2Controller::ReflectAutoSettings()
{
    if (!GetAudioOutput()) return;
    const bool automatic = IsAutomatic();
    UWindowsUtils::SetCheck(m_automatic, automatic);
    UWindowsUtils::SetCheck(m_specify, !automatic);
    UWindowsUtils::ShowWindow(m_sampleRateLabel, !automatic);
    UWindowsUtils::ShowWindow(m_sampleRate, !automatic);
    UWindowsUtils::ShowWindow(m_channelLabel, !automatic);
    UWindowsUtils::ShowWindow(m_channel, !automatic);
    UWindowsUtils::ShowWindow(m_qualityLabel, automatic);
    UWindowsUtils::ShowWindow(m_quality, automatic);
    UWindowsUtils::ShowWindow(m_qualityValue, automatic);
    ReflectBitsPerSample();
}

void CAudioOutput2Controller::ReflectOutputType()
{
    CTrackOutputController::ReflectOutputType();
    ReflectTvType();
    UWindowsUtils::EnableWindow(m_sampleRate, true);
    UWindowsUtils::EnableWindow(m_channel, true);
    UWindowsUtils::EnableWindow(m_bits, true);
    UWindowsUtils::EnableWindow(m_bitrate, HasBitrates(GetAudioCodecBitsPerSample(false)));
}

void CAudioOutput2Controller::ReflectTvType()
{
    CMediaOutput2* output = GetMediaOutput();
    if (!output) return;
    const ETvType tv = output->GetTvType();
    UWindowsUtils::EnableWindow(m_automatic, tv != 1 && tv != 2);
}

void CAudioOutput2Controller::ReflectCodec()
{
    CTrackOutputController::ReflectCodec();
    PopulateSampleRateCombo();
    ReflectSampleRate();
}

CCodecInfo* CAudioOutput2Controller::GetDefaultCodec()
{
    if (!m_catalogue) return nullptr;
    const ESplitterType type = GetSplitterType();
    const char* preferred = nullptr;
    switch (type) {
    case 200:
    case 252: preferred = "Windows Media Audio 9"; break;
    case 350: preferred = "Lame_enc.dll"; break;
    case 600: preferred = "IMA 4:1"; break;
    case 1100: preferred = "Vorbis Encoder"; break;
    default: {
        if (CCodecInfo* pcm = m_catalogue->FindCodec(type, "PCM"))
            return pcm->IsActivated() ? pcm : m_catalogue->FindCodec(type);
        preferred = "PCM";
    }
    }
    CCodecInfo* codec = m_catalogue->FindCodecPartialName(type, preferred);
    return codec && codec->IsActivated() ? codec : m_catalogue->FindCodec(type);
}

void CAudioOutput2Controller::SetDefault()
{
    SetDefaultCodec();
    SetDefaultAutoSetting();
    SetDefaultSampleRate();
}

void CAudioOutput2Controller::SetDefaultAutoSetting()
{
    if (GetAudioOutput() && GetTvOption()) GetAudioOutput()->SetAutoSettings(false);
}

void CAudioOutput2Controller::SetDefaultSampleRate()
{
    if (!m_info) return;
    ULONG rate = m_info->GetSampleRate();
    CAudioCodecSampleRate* chosen = nullptr;
    if (CTvCodecOption* tv = GetTvOption()) {
        ForEachSampleRate(tv, nullptr, [&](CAudioCodecSampleRate* entry) {
            if (entry && (!chosen || chosen->GetSampleRate() != rate)) chosen = entry;
        });
        if (chosen) rate = chosen->GetSampleRate();
    } else if (CAudioCodecInfo* codec = GetAudioCodec()) {
        chosen = codec->FindBestFit(rate);
    }
    if (!chosen) return;
    m_info->SetSampleRate(rate);
    SetDefaultChannel();
}

void CAudioOutput2Controller::SetDefaultChannel()
{
    CAudioCodecSampleRate* rate = GetAudioCodecSampleRate(false);
    if (!rate || !m_info) return;
    unsigned short channels = m_info->GetChannel();
    if (!rate->FindBestFit(channels)) return;
    m_info->SetChannel(channels);
    SetDefaultBitsPerSample();
}

void CAudioOutput2Controller::SetDefaultBitsPerSample()
{
    CAudioCodecChannel* channel = GetAudioCodecChannel(false);
    if (!channel || !m_info) return;
    unsigned short bits = m_info->GetBitsPerSample();
    if (!channel->FindBestFit(bits)) return;
    m_info->SetBitsPerSample(bits);
    SetDefaultBitrate();
}

void CAudioOutput2Controller::SetDefaultBitrate()
{
    CAudioCodecBitsPerSample* bits = GetAudioCodecBitsPerSample(true);
    if (!bits || !m_track || bits->GetCount() == 0) return;
    m_track->SetBitrate(bits->FindBestFitBitrate(m_track->GetBitrate()));
}

void CAudioOutput2Controller::EnterSampleRate()
{
    CString text;
    if (!m_info || !UComboChoices::GetSelectedText(m_sampleRate, text)) return;
    if (!m_info->SetSampleRate(UAudioTexts::SampleRate(text))) ReflectSampleRate();
}

void CAudioOutput2Controller::EnterChannel()
{
    CString text;
    if (!m_info || !UComboChoices::GetSelectedText(m_channel, text)) return;
    if (!m_info->SetChannel(UAudioTexts::Channel(text))) ReflectChannel();
}

void CAudioOutput2Controller::EnterBitsPerSample()
{
    CString text;
    if (!m_info || !UComboChoices::GetSelectedText(m_bits, text)) return;
    if (!m_info->SetBitsPerSample(UAudioTexts::Bits(text))) ReflectBitsPerSample();
}

void CAudioOutput2Controller::EnterAutoSettings(bool automatic)
{
    if (GetAudioOutput() && !GetAudioOutput()->SetAutoSettings(automatic)) ReflectAutoSettings();
}

char* CAudioOutput2Controller::GetText()
{
    CAudioOutput2* audio = GetAudioOutput();
    if (!audio || !m_info) return UStringBuffer::Text("");
    CString text = audio->GetDisplayName();
    text += ", ";
    if (audio->GetAutoSettings()) {
        text += "Auto";
    } else {
        text += UAudioTexts::SampleRateText(m_info->GetSampleRate());
        text += " ";
        text += UAudioTexts::ChannelText(m_info->GetChannel());
    }
    return UStringBuffer::Text(text);
}

void CAudioOutput2Controller::Refresh()
{
    ReflectOutputType();
    ReflectTvType();
    PopulateCodecCombo();
    ReflectCodec();
    ReflectAutoSettings();
    ReflectQuality();
    ReflectRegulateTimecode();
    PopulateSampleRateCombo();
    ReflectSampleRate();
}

bool CAudioOutput2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CAudioInfo2::kSampleRateChangedNotice:
        ReflectSampleRate();
        SetDefaultChannel();
        return true;
    case CAudioInfo2::kChannelChangedNotice:
        ReflectChannel();
        SetDefaultBitsPerSample();
        return true;
    case CAudioInfo2::kBitsPerSampleChangedNotice:
        ReflectBitsPerSample();
        SetDefaultBitrate();
        return true;
    case CAudioOutput2::kAutoSettingsChangedNotice:
        ReflectAutoSettings();
        return true;
    case CDxDeviceInfo::kActivatedChangedNotice:
        SetDefault();
        PopulateCodecCombo();
        ReflectCodec();
        return true;
    case CTrackOutput::kDisplayNameChangedNotice:
        ReflectCodec();
        SetDefaultSampleRate();
        return true;
    default:
        return CTrackOutputController::Respond(code, sender, a, b);
    }
}

bool CAudioOutput2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_lame, p);
        ForgetDyingReference(m_info, p);
    }
    return CTrackOutputController::ListenToMessage(message, p, q);
}
