#include "CQuorlanController.h"

#include "CAspectRatioController.h"
#include "CAspectRatioInfo2.h"
#include "CDirectShowSystem2.h"
#include "CEntryCombo.h"
#include "CEntryField.h"
#include "CFormatDecision.h"
#include "CMediaConversionData.h"
#include "CVideoTrack.h"
#include "TListenedReference.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CStatic.h"

#include <cstdio>
#include <cstdlib>

namespace {

const char* const kVideoText = "Video";
const char* const kAudioText = "Audio";
const char* const kNamedRatios[] = {"4 x 3 - TV", "16 x 9 - Wide", "2.11", "2.35"};
// Track numbers are stored in a byte.
constexpr int kMostTracks = 256;

CString TrackText(unsigned char track)
{
    char text[8];
    std::snprintf(text, sizeof text, "%d", track + 1);
    return text;
}

unsigned char TrackOf(const char* text) { return static_cast<unsigned char>(std::atoi(text ? text : "") - 1); }

void PopulateTracks(CComboBox* combo, int count)
{
    if (!combo) return;
    UComboChoices::Clear(combo);
    for (int i = 0; i < count && i < kMostTracks; ++i) UComboChoices::Add(combo, TrackText(static_cast<unsigned char>(i)));
}

} // namespace

CQuorlanController::CQuorlanController()
{
    mExpectedType = FourCharCode("mcdt");
}

CQuorlanController::~CQuorlanController()
{
    SetObject(nullptr, false);
    RetargetListenedReference<CEntryCombo>(*this, m_aspect, nullptr);
    RetargetListenedReference<CEntryField>(*this, m_fileName, nullptr);
}

CMediaConversionData* CQuorlanController::GetConversion() const
{
    return static_cast<CMediaConversionData*>(GetObjectA());
}

void CQuorlanController::SetControls(CComboBox* type, CEntryCombo* aspect, CButton* reset, CComboBox* audio,
                                     CButton* subtitleCheck, CComboBox* subtitle, CEntryField* fileName)
{
    m_type = type;
    RetargetListenedReference(*this, m_aspect, aspect);
    m_reset = reset;
    m_audio = audio;
    m_subtitleCheck = subtitleCheck;
    m_subtitle = subtitle;
    RetargetListenedReference(*this, m_fileName, fileName);
}

void CQuorlanController::SetStatics(CStatic* aspectLabel, CStatic* audioLabel)
{
    m_aspectLabel = aspectLabel;
    m_audioLabel = audioLabel;
}

void CQuorlanController::SetObjectSelf(CPersistObject* object)
{
    CObjectController2::SetObjectSelf(object);
    CMediaConversionData* conversion = GetConversion();
    SetOutput(conversion ? &conversion->GetMediaOutput() : nullptr);
    SetInput(conversion ? &conversion->GetInput() : nullptr);
}

void CQuorlanController::SetOutput(CMediaOutput2* output) { RetargetListenedReference(*this, m_output, output); }

void CQuorlanController::SetInput(CMediaFile2* input)
{
    RetargetListenedReference(*this, m_input, input);
    CVideoTrack* video = m_input ? m_input->GetVideoTrack(0) : nullptr;
    SetFile(m_input ? &m_input->GetOutputFile() : nullptr);
    SetAspectRatio(video ? &video->GetAspectRatio() : nullptr);
}

void CQuorlanController::SetAspectRatio(CAspectRatioInfo2* ratio) { RetargetListenedReference(*this, m_ratio, ratio); }

void CQuorlanController::SetFile(CPersistFile2* file) { RetargetListenedReference(*this, m_file, file); }

CString CQuorlanController::GetAspectRatioText(double ratio) { return CAspectRatioController::GetAspectRatioText(ratio); }

double CQuorlanController::GetAspectRatio(const char* text) { return CAspectRatioController::GetAspectRatio(text); }

CString CQuorlanController::GetAudioText(unsigned char track) { return TrackText(track); }
CString CQuorlanController::GetSubtitleText(unsigned char track) { return TrackText(track); }
unsigned char CQuorlanController::GetAudio(const char* text) { return TrackOf(text); }
unsigned char CQuorlanController::GetSubtitle(const char* text) { return TrackOf(text); }

void CQuorlanController::PopulateTypeCombo()
{
    if (!m_type) return;
    UComboChoices::Clear(m_type);
    if (!m_input) return;
    if (m_input->HasVideo()) UComboChoices::Add(m_type, kVideoText);
    if (m_input->HasAudio()) UComboChoices::Add(m_type, kAudioText);
}

void CQuorlanController::PopulateAspectRatioCombo()
{
    if (!m_aspect) return;
    UComboChoices::Clear(m_aspect);
    if (!m_ratio) return;
    for (const char* text : kNamedRatios) UComboChoices::Add(m_aspect, text);
}

void CQuorlanController::PopulateAudioCombo()
{
    if (m_audio) UComboChoices::Clear(m_audio);
    if (m_input) PopulateTracks(m_audio, m_input->GetAudioTrackCount());
}

void CQuorlanController::PopulateSubtitleCombo()
{
    if (m_subtitle) UComboChoices::Clear(m_subtitle);
    if (m_input) PopulateTracks(m_subtitle, m_input->GetSubtitleTrackCount());
}

bool CQuorlanController::ShowsVideo() const
{
    return m_input && m_output && m_input->HasVideo() && m_output->GetWantsVideo();
}

void CQuorlanController::ReflectResetButton()
{
    UWindowsUtils::ShowWindow(m_reset, m_ratio && ShowsVideo() && m_ratio->GetInput() != m_ratio->GetOriginal());
}

void CQuorlanController::ReflectType()
{
    if (!m_type || !m_output || !m_input) return;
    UComboChoices::SelectExact(m_type, m_output->GetWantsVideo() ? kVideoText : kAudioText);
    const bool video = ShowsVideo() && m_ratio;
    UWindowsUtils::ShowWindow(m_aspectLabel, video);
    UWindowsUtils::ShowWindow(m_aspect, video);
    ReflectResetButton();
    const bool audio = m_input->HasAudio() && m_output->GetWantsAudio();
    UWindowsUtils::ShowWindow(m_audioLabel, audio);
    UWindowsUtils::ShowWindow(m_audio, audio);
}

void CQuorlanController::ReflectAspectRatio()
{
    if (!m_ratio) return;
    if (m_aspect) {
        const CString text = GetAspectRatioText(m_ratio->GetInput());
        if (!UComboChoices::SelectExact(m_aspect, text)) m_aspect->SetWindowText(text);
    }
    if (m_output) ReflectResetButton();
}

void CQuorlanController::ReflectAudio()
{
    if (m_input) UComboChoices::SelectExact(m_audio, GetAudioText(m_input->GetSelectAudio()));
}

void CQuorlanController::ReflectEnableSubtitle()
{
    if (!m_input) return;
    const bool shown = m_input->HasSubtitle() && CDirectShowSystem2::SupportSubtitle();
    UWindowsUtils::ShowWindow(m_subtitleCheck, shown);
    UWindowsUtils::ShowWindow(m_subtitle, shown);
    if (!shown) return;
    UWindowsUtils::SetCheck(m_subtitleCheck, m_input->GetShowSubtitle());
    UWindowsUtils::EnableWindow(m_subtitle, m_input->GetShowSubtitle());
}

void CQuorlanController::ReflectSubtitle()
{
    if (m_input && m_input->HasSubtitle())
        UComboChoices::SelectExact(m_subtitle, GetSubtitleText(m_input->GetSelectSubtitle()));
}

void CQuorlanController::ReflectFileName()
{
    if (m_file && m_fileName) m_fileName->SetWindowText(m_file->GetFileNameOnly());
}

void CQuorlanController::Decide(bool changed, void (CQuorlanController::*reflect)())
{
    if (!changed)
        (this->*reflect)();
    else if (m_decision)
        m_decision->SetFormat(m_input, m_output, false);
}

// Nothing chosen in a combo is no choice: an empty text would read as audio or as track 256.
void CQuorlanController::EnterType()
{
    if (!m_type || !m_output) return;
    CString text;
    if (!UComboChoices::GetSelectedText(m_type, text)) return;
    Decide(m_output->SetWantsVideo(text == kVideoText), &CQuorlanController::ReflectType);
}

void CQuorlanController::EnterInputRatio(double ratio)
{
    Decide(m_ratio->SetInput(ratio), &CQuorlanController::ReflectAspectRatio);
}

void CQuorlanController::EnterAspectRatio()
{
    if (!m_aspect || !m_ratio) return;
    CString text;
    if (!UComboChoices::GetSelectedText(m_aspect, text)) return;
    EnterInputRatio(GetAspectRatio(text));
}

void CQuorlanController::EnterAspectRatioByEditing()
{
    if (!m_aspect || !m_ratio) return;
    CString text;
    m_aspect->GetWindowText(text);
    EnterInputRatio(GetAspectRatio(text));
}

void CQuorlanController::ResetAspectRatio()
{
    if (m_ratio) EnterInputRatio(m_ratio->GetOriginal());
}

void CQuorlanController::EnterAudio()
{
    if (!m_audio || !m_input) return;
    CString text;
    if (!UComboChoices::GetSelectedText(m_audio, text)) return;
    Decide(m_input->SetSelectAudio(GetAudio(text)), &CQuorlanController::ReflectAudio);
}

void CQuorlanController::EnterEnableSubtitle()
{
    if (!m_subtitleCheck || !m_input) return;
    if (!m_input->SetShowSubtitle(UWindowsUtils::GetCheck(m_subtitleCheck))) ReflectEnableSubtitle();
}

void CQuorlanController::EnterSubtitle()
{
    if (!m_subtitle || !m_input) return;
    CString text;
    if (!UComboChoices::GetSelectedText(m_subtitle, text)) return;
    if (!m_input->SetSelectSubtitle(GetSubtitle(text))) ReflectSubtitle();
}

void CQuorlanController::EnterFileName()
{
    if (!m_fileName || !m_file) return;
    CString text;
    m_fileName->GetWindowText(text);
    // The field shows the name only: a bare name stays in the folder chosen for the file.
    const CString folder = m_file->GetPathOnly();
    if (text.Find('/') < 0 && !folder.IsEmpty()) text = folder + "/" + text;
    if (!m_file->SetFilePath(text)) ReflectFileName();
}

void CQuorlanController::Refresh()
{
    PopulateTypeCombo();
    PopulateAspectRatioCombo();
    PopulateAudioCombo();
    PopulateSubtitleCombo();
    ReflectType();
    ReflectAspectRatio();
    ReflectAudio();
    ReflectEnableSubtitle();
    ReflectSubtitle();
    ReflectFileName();
}

char* CQuorlanController::GetText()
{
    if (!m_file) return UStringBuffer::Text("");
    return UStringBuffer::Text("Save to " + m_file->GetFileNameOnly() + ".");
}

bool CQuorlanController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CAspectRatioInfo2::kInputChangedNotice: ReflectAspectRatio(); return true;
    case CMediaOutput2::kWantsVideoChangedNotice:
    case CMediaOutput2::kWantsAudioChangedNotice: ReflectType(); return true;
    case CMediaStream::kSelectAudioChangedNotice: ReflectAudio(); return true;
    case CMediaStream::kShowSubtitleChangedNotice: ReflectEnableSubtitle(); return true;
    case CMediaStream::kSelectSubtitleChangedNotice: ReflectSubtitle(); return true;
    case CPersistFile2::kFilePathChangedNotice: ReflectFileName(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}

bool CQuorlanController::ListenToMessage(long message, const void* p, const void* q)
{
    if (message == kEntryFieldCommittedMessage) {
        if (m_fileName && p == m_fileName->Identity()) {
            EnterFileName();
            return true;
        }
        if (m_aspect && p == m_aspect->Identity()) {
            EnterAspectRatioByEditing();
            return true;
        }
    }
    if (message == kBroadcasterDyingMessage) {
        ForgetDyingReference(m_output, p);
        ForgetDyingReference(m_input, p);
        ForgetDyingReference(m_ratio, p);
        ForgetDyingReference(m_file, p);
        ForgetDyingReference(m_aspect, p);
        ForgetDyingReference(m_fileName, p);
    }
    return CObjectController2::ListenToMessage(message, p, q);
}
