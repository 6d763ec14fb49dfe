#include "CDeviceProfileController.h"

#include "CPortableMediaConversion.h"
#include "CTargetDecisions.h"
#include "UComboChoices.h"
#include "UStringBuffer.h"
#include "afx/controls/CComboBox.h"
#include "afx/controls/CStatic.h"

CDeviceProfileController::CDeviceProfileController()
{
    mExpectedType = FourCharCode("pmed");
}

CDeviceProfileController::~CDeviceProfileController() { SetObject(nullptr, false); }

CPortableMediaConversion* CDeviceProfileController::GetConversion() const
{
    return static_cast<CPortableMediaConversion*>(GetObjectA());
}

void CDeviceProfileController::SetControls(CComboBox* video, CComboBox* audio, CStatic* videoNotes,
                                           CStatic* audioNotes)
{
    m_video = video;
    m_audio = audio;
    m_videoNotes = videoNotes;
    m_audioNotes = audioNotes;
}

void CDeviceProfileController::Populate(CComboBox* combo, long mediaType)
{
    CPortableMediaConversion* conversion = GetConversion();
    CTargetDecisions* decisions = CTargetDecisions::sDecisions;
    if (!combo || !conversion || !decisions) return;
    UComboChoices::Clear(combo);
    for (int i = 0; i < decisions->GetTargetCount(); ++i) {
        CTargetConversion* preset = decisions->GetTarget(i);
        if (preset && preset->GetMediaType() == mediaType && preset->GetPlatform() == conversion->GetName() &&
            !preset->GetName().IsEmpty())
            UComboChoices::Add(combo, preset->GetName());
    }
}

void CDeviceProfileController::Reflect(CComboBox* combo, CStatic* notes, const char* preset, long mediaType)
{
    CPortableMediaConversion* conversion = GetConversion();
    if (!conversion) return;
    UComboChoices::SelectExact(combo, preset);
    CTargetDecisions* decisions = CTargetDecisions::sDecisions;
    if (!notes || !decisions) return;
    if (CTargetConversion* found = decisions->FindTarget(conversion->GetName(), preset, mediaType))
        notes->SetWindowText(found->GetNotes());
}

void CDeviceProfileController::PopulateVideoCombo() { Populate(m_video, kMediaTypeVideo); }
void CDeviceProfileController::PopulateAudioCombo() { Populate(m_audio, kMediaTypeAudio); }

void CDeviceProfileController::ReflectVideo()
{
    if (CPortableMediaConversion* conversion = GetConversion())
        Reflect(m_video, m_videoNotes, conversion->GetVideoTarget(), kMediaTypeVideo);
}

void CDeviceProfileController::ReflectAudio()
{
    if (CPortableMediaConversion* conversion = GetConversion())
        Reflect(m_audio, m_audioNotes, conversion->GetAudioTarget(), kMediaTypeAudio);
}

void CDeviceProfileController::EnterVideo()
{
    CPortableMediaConversion* conversion = GetConversion();
    CString text;
    if (!conversion || !m_video) return;
    UComboChoices::GetSelectedText(m_video, text);
    if (!conversion->SetVideoTarget(text)) ReflectVideo();
}

void CDeviceProfileController::EnterAudio()
{
    CPortableMediaConversion* conversion = GetConversion();
    CString text;
    if (!conversion || !m_audio) return;
    UComboChoices::GetSelectedText(m_audio, text);
    if (!conversion->SetAudioTarget(text)) ReflectAudio();
}

void CDeviceProfileController::Refresh()
{
    PopulateVideoCombo();
    PopulateAudioCombo();
    ReflectVideo();
    ReflectAudio();
}

char* CDeviceProfileController::GetText()
{
    CPortableMediaConversion* conversion = GetConversion();
    if (!conversion) return UStringBuffer::Text("");
    return UStringBuffer::Text("Video:" + conversion->GetVideoTarget() + ", Audio:" + conversion->GetAudioTarget());
}

bool CDeviceProfileController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CPortableMediaConversion::kVideoTargetChangedNotice: ReflectVideo(); return true;
    case CPortableMediaConversion::kAudioTargetChangedNotice: ReflectAudio(); return true;
    default: return CObjectController2::Respond(code, sender, a, b);
    }
}
