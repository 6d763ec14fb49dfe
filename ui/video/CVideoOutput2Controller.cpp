#include "CVideoOutput2Controller.h"

#include "CEntryCombo.h"
#include "CEntryField.h"
#include "CFormatType.h"
#include "CMediaOutput2.h"
#include "CPanel.h"
#include "CTvCodecOption.h"
#include "CVideoCodecInfo.h"
#include "CVideoCodecsInfo.h"
#include "CVideoOutput2.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UFilterUtils2.h"
#include "UFormatRows.h"
#include "UQuickTimeVideoSettings.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CStatic.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

const char* const CVideoOutput2Controller::k23976fpsText = "23.976 fps";
const char* const CVideoOutput2Controller::k24fpsText = "24 fps - Film";
const char* const CVideoOutput2Controller::k25fpsText = "25 fps - PAL";
const char* const CVideoOutput2Controller::k2997fpsText = "29.97 fps - NTSC";
const char* const CVideoOutput2Controller::k30fpsText = "30 fps";
const char* const CVideoOutput2Controller::k5994fpsText = "59.94 fps";
const char* const CVideoOutput2Controller::k60fpsText = "60 fps";

CVideoOutput2Controller* CVideoOutput2Controller::sController = nullptr;

namespace {

struct NamedRate {
    double rate;
    const char* const* text;
};

const NamedRate kNamedRates[] = {
    {23.976, &CVideoOutput2Controller::k23976fpsText}, {24, &CVideoOutput2Controller::k24fpsText},
    {25, &CVideoOutput2Controller::k25fpsText},        {29.97, &CVideoOutput2Controller::k2997fpsText},
    {30, &CVideoOutput2Controller::k30fpsText},        {59.94, &CVideoOutput2Controller::k5994fpsText},
    {60, &CVideoOutput2Controller::k60fpsText},
};

const double kBuiltInRates[] = {1, 2, 3, 4, 5, 8, 10, 12, 15, 23.976, 24, 25, 29.97, 30, 50, 60};

constexpr ESplitterType kQuickTimeType = 600;

bool IsTvStandard(ETvType tv) { return tv == 1 || tv == 2; }

} // namespace

CVideoOutput2Controller::CVideoOutput2Controller()
{
    m_catalogue = CVideoCodecsInfo::sInfo;
    if (m_catalogue) static_cast<CBroadcaster*>(m_catalogue)->AddListener(this);
    if (!sController) sController = this;
}

CVideoOutput2Controller::~CVideoOutput2Controller()
{
    if (sController == this) sController = nullptr;
    if (m_catalogue) static_cast<CBroadcaster*>(m_catalogue)->RemoveListener(this);
    RetargetListenedReference<CVideoInfo2>(*this, m_info, nullptr);
    RetargetListenedReference<CEntryField>(*this, m_width, nullptr);
    RetargetListenedReference<CEntryField>(*this, m_height, nullptr);
    RetargetListenedReference<CEntryCombo>(*this, m_rateCombo, nullptr);
}

CVideoOutput2* CVideoOutput2Controller::GetVideoOutput() const
{
    return static_cast<CVideoOutput2*>(m_track);
}

CVideoCodecInfo* CVideoOutput2Controller::GetVideoCodec()
{
    return dynamic_cast<CVideoCodecInfo*>(GetCodec());
}

void CVideoOutput2Controller::SetObjectSelf(CPersistObject* object)
{
    CTrackOutputController::SetObjectSelf(object);
    CMediaOutput2* output = GetMediaOutput();
    SetOutput(output ? output->GetVideoOutput(m_selector) : nullptr);
}

void CVideoOutput2Controller::SetOutput(CTrackOutput* track)
{
    CTrackOutputController::SetOutput(track);
    SetVideoInfo(GetVideoOutput() ? &GetVideoOutput()->GetVideoInfo() : nullptr);
}

void CVideoOutput2Controller::SetVideoInfo(CVideoInfo2* info)
{
    RetargetListenedReference(*this, m_info, info);
}

void CVideoOutput2Controller::RetargetField(CEntryField*& member, CEntryField* field)
{
    RetargetListenedReference(*this, member, field);
}

void CVideoOutput2Controller::SetMoreControls(CButton* about, CButton* settings, CButton* sameSize,
                                              CButton* specifySize, CEntryField* width, CEntryField* height,
                                              CComboBox* sizeCombo, CButton* sameRate, CButton* specifyRate,
                                              CEntryCombo* rateCombo)
{
    m_about = about;
    m_settings = settings;
    m_sameSize = sameSize;
    m_specifySize = specifySize;
    RetargetField(m_width, width);
    RetargetField(m_height, height);
    m_sizeCombo = sizeCombo;
    m_sameRate = sameRate;
    m_specifyRate = specifyRate;
    RetargetListenedReference(*this, m_rateCombo, rateCombo);
}

void CVideoOutput2Controller::SetMoreStatics(CStatic* resolutionLabel, CStatic* xLabel, CStatic* frameRateLabel)
{
    m_resolutionLabel = resolutionLabel;
    m_xLabel = xLabel;
    m_frameRateLabel = frameRateLabel;
}

void CVideoOutput2Controller::SetPanels(CPanel* quality, CPanel* bitrate, CPanel* qualityBitrate, CPanel* mode)
{
    m_qualityPanel = quality;
    m_bitratePanel = bitrate;
    m_qualityBitratePanel = qualityBitrate;
    m_modePanel = mode;
}

// Permissions.

bool CVideoOutput2Controller::AllowSameSize()
{
    CMediaOutput2* output = GetMediaOutput();
    if (!output || IsTvStandard(output->GetTvType())) return false;
    CVideoCodecInfo* codec = GetVideoCodec();
    return !codec || codec->GetBlockSize() != 0;
}

bool CVideoOutput2Controller::AllowSameFrameRate()
{
    CMediaOutput2* output = GetMediaOutput();
    return output && !IsTvStandard(output->GetTvType());
}

bool CVideoOutput2Controller::AllowChangeRegulateTimecode()
{
    CMediaOutput2* output = GetMediaOutput();
    return !output || !IsTvStandard(output->GetTvType());
}

bool CVideoOutput2Controller::AllowBitrate(LONG, DWORD)
{
    return AllowChangeRegulateTimecode();
}

bool CVideoOutput2Controller::AllowSettingsDialog()
{
    if (!GetMediaOutput()) return false;
    if (GetSplitterType() == kQuickTimeType) return true;
    CVideoCodecInfo* codec = GetVideoCodec();
    return codec && codec->GetHasSettings();
}

// Texts.

CString CVideoOutput2Controller::GetFixedSizeText(int width, int height)
{
    char text[48];
    std::snprintf(text, sizeof text, "%d x %d", width, height);
    return text;
}

bool CVideoOutput2Controller::GetFixedSize(const char* text, int& width, int& height)
{
    if (!text) return false;
    const char* x = std::strchr(text, 'x');
    if (!x) return false;
    width = std::atoi(text);
    height = std::atoi(x + 1);
    return true;
}

CString CVideoOutput2Controller::GetFrameRateText(double rate)
{
    for (const NamedRate& named : kNamedRates)
        if (rate == named.rate) return *named.text;
    char text[48];
    std::snprintf(text, sizeof text, "%.2f", rate);
    return text;
}

double CVideoOutput2Controller::GetFrameRate(const char* text)
{
    if (!text) return 0;
    for (const NamedRate& named : kNamedRates)
        if (std::strcmp(text, *named.text) == 0) return named.rate;
    return std::atof(text);
}

// Lists.

void CVideoOutput2Controller::AddFixedSize(unsigned short width, unsigned short height)
{
    UComboChoices::Add(m_sizeCombo, GetFixedSizeText(width, height));
}

void CVideoOutput2Controller::PopulateSizeCombo()
{
    if (!m_sizeCombo) return;
    UComboChoices::Clear(m_sizeCombo);
    if (CTvCodecOption* tv = GetTvOption()) {
        for (int i = 0; i < tv->GetSizeCount(); ++i)
            if (CVideoCodecSize* size = tv->GetSize(i)) AddFixedSize(size->GetWidth(), size->GetHeight());
        return;
    }
    if (CVideoCodecInfo* codec = GetVideoCodec())
        for (int i = 0; i < codec->GetSizeCount(); ++i)
            if (CVideoCodecSize* size = codec->GetSize(i)) AddFixedSize(size->GetWidth(), size->GetHeight());
}

void CVideoOutput2Controller::PopulateFrameRateCombo()
{
    if (!m_rateCombo) return;
    UComboChoices::Clear(m_rateCombo);
    if (CTvCodecOption* tv = GetTvOption()) {
        UComboChoices::Add(m_rateCombo, GetFrameRateText(tv->GetFrameRate()));
        return;
    }
    CFormatType* format = GetFormat();
    if (format && format->GetFrameRateCount() > 0) {
        for (int i = 0; i < format->GetFrameRateCount(); ++i)
            UComboChoices::Add(m_rateCombo, GetFrameRateText(format->GetFrameRate(i)));
        return;
    }
    for (double rate : kBuiltInRates) UComboChoices::Add(m_rateCombo, GetFrameRateText(rate));
}

// Reflecting.

void CVideoOutput2Controller::ShowSizeControls(bool block)
{
    const bool keep = GetVideoOutput() && GetVideoOutput()->GetKeepSize();
    UWindowsUtils::ShowWindow(m_width, !keep && block);
    UWindowsUtils::ShowWindow(m_xLabel, !keep && block);
    UWindowsUtils::ShowWindow(m_height, !keep && block);
    UWindowsUtils::ShowWindow(m_sizeCombo, !keep && !block);
}

void CVideoOutput2Controller::ReflectOutputType()
{
    CTrackOutputController::ReflectOutputType();
    UWindowsUtils::EnableWindow(m_sameSize, AllowSameSize());
    UWindowsUtils::EnableWindow(m_sameRate, AllowSameFrameRate());
    UWindowsUtils::EnableWindow(m_rateCombo, AllowSameFrameRate());
}

void CVideoOutput2Controller::ReflectTvType()
{
    UWindowsUtils::EnableWindow(m_sameSize, AllowSameSize());
    UWindowsUtils::EnableWindow(m_sameRate, AllowSameFrameRate());
    UWindowsUtils::EnableWindow(m_regulateTimecode, AllowChangeRegulateTimecode());
}

void CVideoOutput2Controller::ReflectCodec()
{
    CTrackOutputController::ReflectCodec();
    CVideoOutput2* video = GetVideoOutput();
    if (!video || !GetFormat()) return;
    CVideoCodecInfo* codec = GetVideoCodec();
    UWindowsUtils::ShowWindow(m_about, codec && codec->GetHasAbout());
    UWindowsUtils::ShowWindow(m_settings, AllowSettingsDialog());
    SetDefaultTvType();
    // A TV standard's sizes are a fixed list whatever the compressor takes.
    ShowSizeControls((!codec || codec->GetBlockSize() != 0) && !GetTvOption());
    const bool sameSize = AllowSameSize();
    UWindowsUtils::EnableWindow(m_sameSize, sameSize);
    if (!sameSize) video->SetKeepSize(false);
    const bool sameRate = AllowSameFrameRate();
    UWindowsUtils::EnableWindow(m_sameRate, sameRate);
    if (!sameRate) video->SetKeepFrameRate(false);
    UWindowsUtils::EnableWindow(m_regulateTimecode, AllowChangeRegulateTimecode());
    SetDefaultSize();
    SetDefaultFrameRate();
    PopulateSizeCombo();
    ReflectSize();
    ReflectWidth();
    ReflectHeight();
    ReflectBitrateType();
}

void CVideoOutput2Controller::ReflectKeepSize()
{
    CVideoOutput2* video = GetVideoOutput();
    if (!video) return;
    const bool keep = video->GetKeepSize();
    UWindowsUtils::SetCheck(m_sameSize, keep);
    UWindowsUtils::SetCheck(m_specifySize, !keep);
    CVideoCodecInfo* codec = GetVideoCodec();
    ShowSizeControls(codec && codec->GetBlockSize() != 0 && !GetTvOption());
}

void CVideoOutput2Controller::ReflectSize()
{
    if (!m_info || !m_sizeCombo) return;
    const CString text = GetFixedSizeText(m_info->GetWidth(), m_info->GetHeight());
    if (!UComboChoices::SelectExact(m_sizeCombo, text)) m_sizeCombo->SetWindowText(text);
}

void CVideoOutput2Controller::ReflectWidth()
{
    if (m_info) UWindowsUtils::SetWindowTextA(m_width, static_cast<int>(m_info->GetWidth()));
}

void CVideoOutput2Controller::ReflectHeight()
{
    if (m_info) UWindowsUtils::SetWindowTextA(m_height, static_cast<int>(m_info->GetHeight()));
}

void CVideoOutput2Controller::ReflectKeepFrameRate()
{
    CVideoOutput2* video = GetVideoOutput();
    if (!video) return;
    const bool keep = video->GetKeepFrameRate();
    UWindowsUtils::SetCheck(m_sameRate, keep);
    UWindowsUtils::SetCheck(m_specifyRate, !keep);
    UWindowsUtils::ShowWindow(m_rateCombo, !keep);
}

void CVideoOutput2Controller::ReflectFrameRate()
{
    if (!m_info || !m_rateCombo) return;
    const CString text = GetFrameRateText(m_info->GetFrameRate());
    if (!UComboChoices::SelectExact(m_rateCombo, text)) m_rateCombo->SetWindowText(text);
}

void CVideoOutput2Controller::ReflectBitrateType()
{
    CVideoCodecInfo* codec = GetVideoCodec();
    if (!codec) return;
    const LONG modes = codec->GetEncoderControl();
    const bool quality = modes == 1;
    const bool bitrate = modes == 2 || modes == 4 || modes == 8;
    const bool qualityBitrate = modes == 16 || modes == 32 || modes == 64;
    const bool mode = modes != 0 && !quality && !bitrate && !qualityBitrate;
    UWindowsUtils::EnablePanel(m_qualityPanel, quality);
    UWindowsUtils::EnablePanel(m_bitratePanel, bitrate);
    UWindowsUtils::EnablePanel(m_qualityBitratePanel, qualityBitrate);
    UWindowsUtils::EnablePanel(m_modePanel, mode);
}

void CVideoOutput2Controller::OnEnable(bool enable)
{
    if (enable) {
        ReflectBitrateType();
        return;
    }
    for (CPanel* panel : {m_qualityPanel, m_bitratePanel, m_qualityBitratePanel, m_modePanel})
        UWindowsUtils::EnablePanel(panel, false);
}

// Entering.

void CVideoOutput2Controller::EnterKeepSize(bool keep)
{
    if (GetVideoOutput() && !GetVideoOutput()->SetKeepSize(keep)) ReflectKeepSize();
}

void CVideoOutput2Controller::EnterKeepFrameRate(bool keep)
{
    if (GetVideoOutput() && !GetVideoOutput()->SetKeepFrameRate(keep)) ReflectKeepFrameRate();
}

void CVideoOutput2Controller::EnterSize()
{
    if (!m_info) return;
    // A click in the list settles the radios the user may have left half-changed.
    if (CVideoOutput2* video = GetVideoOutput()) {
        UWindowsUtils::SetCheck(m_sameSize, video->GetKeepSize());
        UWindowsUtils::SetCheck(m_specifySize, !video->GetKeepSize());
    }
    CString text;
    if (!UComboChoices::GetSelectedText(m_sizeCombo, text)) return;
    int width = 0;
    int height = 0;
    if (!GetFixedSize(text, width, height)) return;
    const bool widthChanged = m_info->SetWidth(static_cast<unsigned short>(width));
    const bool heightChanged = m_info->SetHeight(static_cast<unsigned short>(height));
    if (!widthChanged && !heightChanged) ReflectSize();
}

void CVideoOutput2Controller::EnterWidth()
{
    if (!m_info || !m_width) return;
    CString text;
    m_width->GetWindowText(text);
    if (!m_info->SetWidth(static_cast<unsigned short>(std::atoi(text)))) ReflectWidth();
}

void CVideoOutput2Controller::EnterHeight()
{
    if (!m_info || !m_height) return;
    CString text;
    m_height->GetWindowText(text);
    if (!m_info->SetHeight(static_cast<unsigned short>(std::atoi(text)))) ReflectHeight();
}

void CVideoOutput2Controller::EnterFrameRate()
{
    CString text;
    if (!m_info || !UComboChoices::GetSelectedText(m_rateCombo, text)) return;
    double rate = GetFrameRate(text);
    if (CFormatType* format = GetFormat()) rate = format->FindBestFitFrameRate(rate);
    m_info->SetFrameRate(rate);
    ReflectFrameRate();
}

void CVideoOutput2Controller::EnterFrameRateByEditing()
{
    if (!m_info || !m_rateCombo) return;
    CString text;
    m_rateCombo->GetWindowText(text);
    if (!m_info->SetFrameRate(GetFrameRate(text))) ReflectFrameRate();
}

// Dialogs.

void CVideoOutput2Controller::ShowAboutDialog()
{
    if (GetVideoOutput()) UFilterUtils2::PromptVideoAbout(GetVideoOutput()->GetDisplayName());
}

void CVideoOutput2Controller::ShowSettingsDialog()
{
    CVideoOutput2* video = GetVideoOutput();
    if (!video) return;
    if (GetSplitterType() == kQuickTimeType) {
        RunQuickTimeSettings(true);
        return;
    }
    UFilterUtils2::PromptVideoSetting(video->GetDisplayName(), video->GetSettings());
}

void CVideoOutput2Controller::GetDefaultOutputSettings()
{
    if (GetSplitterType() == kQuickTimeType) RunQuickTimeSettings(false);
}

void CVideoOutput2Controller::RunQuickTimeSettings(bool prompt)
{
    CVideoOutput2* video = GetVideoOutput();
    CFormatType* format = GetFormat();
    if (video && format) UQuickTimeVideoSettings::Run(format->GetSplitterType(), *video, prompt);
}

// Defaults.

CCodecInfo* CVideoOutput2Controller::GetDefaultCodec()
{
    if (!m_catalogue) return nullptr;
    const ESplitterType type = GetSplitterType();
    ESplitterType lookIn = type;
    const char* preferred = "Video 1";
    switch (type) {
    case 200:
    case 252:
        lookIn = 200;
        preferred = "Windows Media Video 9";
        break;
    case 600:
    case 601:
    case 630:
    case 631:
    case 640: preferred = "MPEG-4 Video"; break;
    case 1700:
    case 1800: preferred = "JPG"; break;
    default: break;
    }
    CCodecInfo* codec = m_catalogue->FindCodecPartialName(lookIn, preferred);
    return codec && codec->IsActivated() ? codec : m_catalogue->FindCodec(type);
}

void CVideoOutput2Controller::SetDefaultTvType()
{
    CMediaOutput2* output = GetMediaOutput();
    CFormatType* format = GetFormat();
    if (!output || !format) return;
    if (UFormatRows::HasTvOption(format)) {
        if (output->GetTvType() == 0) output->SetTvType(1);
    } else {
        output->SetTvType(0);
    }
}

CVideoCodecSize* CVideoOutput2Controller::GetDefaultSize()
{
    if (!m_info) return nullptr;
    if (CTvCodecOption* tv = GetTvOption()) {
        CVideoCodecSize* last = nullptr;
        for (int i = 0; i < tv->GetSizeCount(); ++i) {
            CVideoCodecSize* size = tv->GetSize(i);
            if (!size) continue;
            if (size->GetWidth() == m_info->GetWidth() && size->GetHeight() == m_info->GetHeight()) return size;
            last = size;
        }
        return last;
    }
    CVideoCodecInfo* codec = GetVideoCodec();
    if (!codec) return nullptr;
    unsigned short width = m_info->GetWidth();
    unsigned short height = m_info->GetHeight();
    return codec->FindBestFit(width, height);
}

void CVideoOutput2Controller::SetDefaultSize()
{
    CVideoCodecSize* size = GetDefaultSize();
    if (!size || !m_info) return;
    m_info->SetWidth(size->GetWidth());
    m_info->SetHeight(size->GetHeight());
    if (GetTvOption() && GetVideoOutput()) GetVideoOutput()->SetKeepSize(false);
}

void CVideoOutput2Controller::SetDefaultFrameRate()
{
    if (!m_info) return;
    if (CTvCodecOption* tv = GetTvOption()) {
        m_info->SetFrameRate(tv->GetFrameRate());
        if (CVideoOutput2* video = GetVideoOutput()) {
            video->SetKeepFrameRate(false);
            video->SetRegulateTimecode(true);
        }
        return;
    }
    if (CFormatType* format = GetFormat()) m_info->SetFrameRate(format->FindBestFitFrameRate(m_info->GetFrameRate()));
}

void CVideoOutput2Controller::SetDefaultBitrateType()
{
    CVideoOutput2* video = GetVideoOutput();
    CVideoCodecInfo* codec = GetVideoCodec();
    if (!video || !codec) return;
    const LONG supported = codec->GetEncoderControl();
    if (video->GetEncoderControl() & supported) return;
    EEncoderControl chosen = 0;
    for (EEncoderControl bit : {1, 2, 4, 8, 16, 32, 64}) {
        if (supported & bit) {
            chosen = bit;
            break;
        }
    }
    video->SetEncoderControl(chosen);
}

void CVideoOutput2Controller::SetDefault()
{
    SetDefaultCodec();
    SetDefaultTvType();
    SetDefaultSize();
    SetDefaultFrameRate();
    SetDefaultBitrateType();
}

// Summary, refresh and notices.

char* CVideoOutput2Controller::GetText()
{
    CVideoOutput2* video = GetVideoOutput();
    if (!video || !m_info) return UStringBuffer::Text("");
    CString text = video->GetDisplayName();
    text += ", ";
    text += video->GetKeepSize() ? CString("Original size") : GetFixedSizeText(m_info->GetWidth(), m_info->GetHeight());
    text += ", ";
    text += video->GetKeepFrameRate() ? CString("Original frame rate") : GetFrameRateText(m_info->GetFrameRate());
    return UStringBuffer::Text(text);
}

void CVideoOutput2Controller::Refresh()
{
    ReflectOutputType();
    ReflectTvType();
    PopulateCodecCombo();
    ReflectCodec();
    ReflectQuality();
    ReflectRegulateTimecode();
    ReflectKeepSize();
    PopulateSizeCombo();
    ReflectSize();
    ReflectWidth();
    ReflectHeight();
    ReflectKeepFrameRate();
    PopulateFrameRateCombo();
    ReflectFrameRate();
}

bool CVideoOutput2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CImageInfo2::kWidthChangedNotice:
        ReflectSize();
        ReflectWidth();
        return true;
    case CImageInfo2::kHeightChangedNotice:
        ReflectSize();
        ReflectHeight();
        return true;
    case CTrackOutput::kDisplayNameChangedNotice:
        ReflectCodec();
        SetDefaultSize();
        SetDefaultBitrateType();
        return true;
    case CVideoInfo2::kFrameRateChangedNotice:
        ReflectFrameRate();
        return true;
    case CVideoOutput2::kKeepSizeChangedNotice:
        ReflectKeepSize();
        return true;
    case CVideoOutput2::kKeepFrameRateChangedNotice:
        ReflectKeepFrameRate();
        return true;
    case CVideoOutput2::kSettingsChangedNotice:
        GetDefaultOutputSettings();
        return true;
    default:
        return CTrackOutputController::Respond(code, sender, a, b);
    }
}

bool CVideoOutput2Controller::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        if (m_width && p == m_width->Identity()) {
            EnterWidth();
            return true;
        }
        if (m_height && p == m_height->Identity()) {
            EnterHeight();
            return true;
        }
        if (m_rateCombo && p == m_rateCombo->Identity()) {
            EnterFrameRateByEditing();
            return true;
        }
    }
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_info, p);
        ForgetDyingReference(m_width, p);
        ForgetDyingReference(m_height, p);
        ForgetDyingReference(m_rateCombo, p);
        if (m_catalogue && p == static_cast<const CBroadcaster*>(m_catalogue)) m_catalogue = nullptr;
    }
    return CTrackOutputController::ListenToMessage(message, p, q);
}
