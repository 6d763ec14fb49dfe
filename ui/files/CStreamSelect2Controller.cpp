#include "CStreamSelect2Controller.h"

#include "CDirectShowSystem2.h"
#include "CMediaStream.h"
#include "CTagEditorDialog.h"
#include "UWindowsUtils.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CComboBox.h"

#include <cstdio>
#include <cstdlib>

CStreamSelect2Controller::CStreamSelect2Controller()
{
    mExpectedType = FourCharCode("mfl2");
}

CMediaStream* CStreamSelect2Controller::GetStream() const
{
    return static_cast<CMediaStream*>(GetObjectA());
}

void CStreamSelect2Controller::SetControls(CComboBox* video, CComboBox* audio, CButton* showSubtitle,
                                           CComboBox* subtitle)
{
    m_video = video;
    m_audio = audio;
    m_showSubtitle = showSubtitle;
    m_subtitle = subtitle;
    Refresh();
}

CString CStreamSelect2Controller::GetSelectText(int index)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", index + 1);
    return text;
}

unsigned char CStreamSelect2Controller::GetSelect(const char* text)
{
    return static_cast<unsigned char>(std::atoi(text ? text : "") - 1);
}

void CStreamSelect2Controller::PopulateCombo(CComboBox* combo, int trackCount)
{
    if (!combo || !GetStream()) return;
    combo->ResetContent();
    for (int i = 0; i < trackCount; ++i) combo->AddString(GetSelectText(i));
    if (trackCount == 0) combo->AddString("None");
}

void CStreamSelect2Controller::PopulateSelectVideoCombo()
{
    if (GetStream()) PopulateCombo(m_video, GetStream()->GetVideoTrackCount());
}

void CStreamSelect2Controller::PopulateSelectAudioCombo()
{
    if (GetStream()) PopulateCombo(m_audio, GetStream()->GetAudioTrackCount());
}

void CStreamSelect2Controller::PopulateSelectSubtitleCombo()
{
    if (GetStream()) PopulateCombo(m_subtitle, GetStream()->GetSubtitleTrackCount());
}

void CStreamSelect2Controller::ReflectSelect(CComboBox* combo, int trackCount, unsigned char index,
                                             bool setVisibility)
{
    if (!combo) return;
    if (setVisibility) UWindowsUtils::ShowWindow(combo, trackCount > 0);
    if (trackCount > 0) combo->SetCurSel(combo->FindStringExact(-1, GetSelectText(index)));
}

void CStreamSelect2Controller::ReflectSelectVideo()
{
    CMediaStream* stream = GetStream();
    if (!stream) {
        UWindowsUtils::ShowWindow(m_video, false);
        return;
    }
    ReflectSelect(m_video, stream->GetVideoTrackCount(), stream->GetSelectVideo(), true);
}

void CStreamSelect2Controller::ReflectSelectAudio()
{
    CMediaStream* stream = GetStream();
    if (!stream) {
        UWindowsUtils::ShowWindow(m_audio, false);
        return;
    }
    ReflectSelect(m_audio, stream->GetAudioTrackCount(), stream->GetSelectAudio(), true);
}

void CStreamSelect2Controller::ReflectShowSubtitle()
{
    CMediaStream* stream = GetStream();
    const bool shown = stream && stream->HasSubtitle() && CDirectShowSystem2::SupportSubtitle();
    UWindowsUtils::ShowWindow(m_showSubtitle, shown);
    UWindowsUtils::ShowWindow(m_subtitle, shown);
    if (!shown) return;
    UWindowsUtils::SetCheck(m_showSubtitle, stream->GetShowSubtitle());
    UWindowsUtils::EnableWindow(m_subtitle, stream->GetShowSubtitle());
}

void CStreamSelect2Controller::ReflectSelectSubtitle()
{
    if (CMediaStream* stream = GetStream())
        ReflectSelect(m_subtitle, stream->GetSubtitleTrackCount(), stream->GetSelectSubtitle(), false);
}

bool CStreamSelect2Controller::SelectedIndex(CComboBox* combo, unsigned char& index)
{
    const int selected = combo ? combo->GetCurSel() : CB_ERR;
    if (selected < 0) return false;
    CString text;
    combo->GetLBText(selected, text);
    index = GetSelect(text);
    return true;
}

void CStreamSelect2Controller::EnterSelectVideo()
{
    unsigned char index = 0;
    if (GetStream() && SelectedIndex(m_video, index) && !GetStream()->SetSelectVideo(index)) ReflectSelectVideo();
}

void CStreamSelect2Controller::EnterSelectAudio()
{
    unsigned char index = 0;
    if (GetStream() && SelectedIndex(m_audio, index) && !GetStream()->SetSelectAudio(index)) ReflectSelectAudio();
}

void CStreamSelect2Controller::EnterSelectSubtitle()
{
    unsigned char index = 0;
    if (GetStream() && SelectedIndex(m_subtitle, index) && !GetStream()->SetSelectSubtitle(index))
        ReflectSelectSubtitle();
}

void CStreamSelect2Controller::EnterShowSubtitle()
{
    if (GetStream() && m_showSubtitle && !GetStream()->SetShowSubtitle(UWindowsUtils::GetCheck(m_showSubtitle)))
        ReflectShowSubtitle();
}

void CStreamSelect2Controller::EditTags()
{
    CMediaStream* stream = GetStream();
    if (!stream) return;
    CTagEditorDialog editor(nullptr);
    editor.SetTags(stream->GetTags());
    if (editor.DoModal() == IDOK) stream->GetTags() = editor.GetTags();
}

void CStreamSelect2Controller::Refresh()
{
    PopulateSelectVideoCombo();
    PopulateSelectAudioCombo();
    PopulateSelectSubtitleCombo();
    ReflectSelectVideo();
    ReflectSelectAudio();
    ReflectShowSubtitle();
    ReflectSelectSubtitle();
}

bool CStreamSelect2Controller::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CMediaStream::kSelectVideoChangedNotice: ReflectSelectVideo(); return true;
    case CMediaStream::kSelectAudioChangedNotice: ReflectSelectAudio(); return true;
    case CMediaStream::kShowSubtitleChangedNotice: ReflectShowSubtitle(); return true;
    case CMediaStream::kSelectSubtitleChangedNotice: ReflectSelectSubtitle(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}
