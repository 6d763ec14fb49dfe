#include "CDeviceProfilePanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CDeviceProfilePanel;
    return U::Page(260, 96,
                   {U::Label("Video Profile:", -1, 0, 2, 60), U::DropDown(P::kVideo, 64, 0, 190),
                    U::Label("", P::kVideoNotes, 0, 18, 254, 26), U::Label("Audio Profile:", -1, 0, 50, 60),
                    U::DropDown(P::kAudio, 64, 48, 190), U::Label("", P::kAudioNotes, 0, 66, 254, 26)});
}

// Notes keep their place and take the page's growth in width.
void Anchor(CWindowLocator& locator, CStatic& notes)
{
    locator.SetLeft(0);
    locator.SetRight(255);
    locator.SetTop(0);
    locator.SetBottom(0);
    if (notes.m_hWnd) locator.SetWindow(&notes);
}
} // namespace

BEGIN_MESSAGE_MAP(CDeviceProfilePanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kVideo, OnVideoChanged)
    ON_CBN_SELCHANGE(kAudio, OnAudioChanged)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CDeviceProfilePanel::CDeviceProfilePanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CDeviceProfilePanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kVideo, m_video);
    BindIfPresent(this, dx, kAudio, m_audio);
    BindIfPresent(this, dx, kVideoNotes, m_videoNotes);
    BindIfPresent(this, dx, kAudioNotes, m_audioNotes);
}

BOOL CDeviceProfilePanel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    Anchor(m_videoNotesLocator, m_videoNotes);
    Anchor(m_audioNotesLocator, m_audioNotes);
    return TRUE;
}

void CDeviceProfilePanel::SetupController()
{
    m_controller.SetControls(IfBound(m_video), IfBound(m_audio), IfBound(m_videoNotes), IfBound(m_audioNotes));
}

void CDeviceProfilePanel::OnSize(UINT type, int cx, int cy)
{
    CResourceObjectPanel::OnSize(type, cx, cy);
    if (m_videoNotesLocator.GetWindow()) m_videoNotesLocator.Move();
    if (m_audioNotesLocator.GetWindow()) m_audioNotesLocator.Move();
}

void CDeviceProfilePanel::OnVideoChanged() { m_controller.EnterVideo(); }
void CDeviceProfilePanel::OnAudioChanged() { m_controller.EnterAudio(); }
