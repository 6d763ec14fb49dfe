#include "CInputVideo2Panel.h"

#include "CMediaFile2.h"
#include "CSliceDuration2.h"
#include "StApplicationId.h"
#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {

MvDialogTemplate MakeTemplate(bool audioOnly)
{
    using U = UPanelTemplates;
    using P = CInputVideo2Panel;
    // The audio layout carries the other choices hidden: its page never shows them.
    auto video = [audioOnly](MvDialogItem item) { return audioOnly ? U::Hidden(item) : item; };
    return U::Page(240, 76,
                   {U::Label("Start:", P::kStartLabel, 0, 2, 30),
                    U::Edit(P::kStart, 34, 0, 70),
                    U::Label("End:", P::kEndLabel, 120, 2, 30),
                    U::Edit(P::kEnd, 154, 0, 70),
                    video(U::Label("Video:", P::kVideoLabel, 0, 22, 30)),
                    video(U::DropList(P::kVideo, 34, 20, 70)),
                    U::Label("Audio:", P::kAudioLabel, 120, 22, 30),
                    U::DropList(P::kAudio, 154, 20, 70),
                    video(U::Check("Show Subtitle", P::kShowSubtitle, 0, 42, 70)),
                    video(U::DropList(P::kSubtitle, 80, 40, 70)),
                    U::Button("Edit Tags...", P::kEditTags, 0, 58, 70)});
}

MvDialogTemplate MakeFullTemplate() { return MakeTemplate(false); }
MvDialogTemplate MakeAudioTemplate() { return MakeTemplate(true); }

} // namespace

BEGIN_MESSAGE_MAP(CInputVideo2Panel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kVideo, OnVideoChanged)
    ON_CBN_SELCHANGE(kAudio, OnAudioChanged)
    ON_CBN_SELCHANGE(kSubtitle, OnSubtitleChanged)
    ON_BN_CLICKED(kShowSubtitle, OnShowSubtitle)
    ON_BN_CLICKED(kEditTags, OnEditTags)
END_MESSAGE_MAP()

CInputVideo2Panel::CInputVideo2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent),
      m_applicationId(applicationId ? applicationId : StApplicationId::Id())
{
    UPanelTemplates::Register({kTemplate, 7076, 7077}, MakeFullTemplate);
    UPanelTemplates::Register({7075}, MakeAudioTemplate);
    SetController(&m_streamController);
    SetController2(&m_durationController);
}

bool CInputVideo2Panel::IsAudioOnly(unsigned long applicationId)
{
    return applicationId == 44035 || applicationId == 58090;
}

void CInputVideo2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kStartLabel, m_startLabel);
    BindIfPresent(this, dx, kStart, m_start);
    BindIfPresent(this, dx, kEndLabel, m_endLabel);
    BindIfPresent(this, dx, kEnd, m_end);
    BindIfPresent(this, dx, kVideoLabel, m_videoLabel);
    BindIfPresent(this, dx, kVideo, m_video);
    BindIfPresent(this, dx, kAudioLabel, m_audioLabel);
    BindIfPresent(this, dx, kAudio, m_audio);
    BindIfPresent(this, dx, kShowSubtitle, m_showSubtitle);
    BindIfPresent(this, dx, kSubtitle, m_subtitle);
    BindIfPresent(this, dx, kEditTags, m_editTags);
}

void CInputVideo2Panel::SetupController()
{
    if (IsAudioOnly(m_applicationId))
        m_streamController.SetControls(nullptr, IfBound(m_audio), nullptr, nullptr);
    else
        m_streamController.SetControls(IfBound(m_video), IfBound(m_audio), IfBound(m_showSubtitle),
                                       IfBound(m_subtitle));
    m_durationController.SetControls(IfBound(m_start), IfBound(m_end));
}

void CInputVideo2Panel::SetObject(CPersistObject* object)
{
    CResourceObjectPanel::SetObject(object);
    if (!object)
        m_durationController.SetObject(nullptr, true);
    else if (object->IsInstanceOf(FourCharCode("mfl2")))
        m_durationController.SetObject(static_cast<CMediaFile2*>(object)->GetSlice(), true);
}

void CInputVideo2Panel::OnVideoChanged() { m_streamController.EnterSelectVideo(); }
void CInputVideo2Panel::OnAudioChanged() { m_streamController.EnterSelectAudio(); }
void CInputVideo2Panel::OnSubtitleChanged() { m_streamController.EnterSelectSubtitle(); }
void CInputVideo2Panel::OnShowSubtitle() { m_streamController.EnterShowSubtitle(); }
void CInputVideo2Panel::OnEditTags() { m_streamController.EditTags(); }
