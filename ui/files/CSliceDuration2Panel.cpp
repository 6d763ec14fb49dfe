#include "CSliceDuration2Panel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CSliceDuration2Panel;
    return U::Page(240, 58,
                   {U::Label("Start:", P::kStartLabel, 0, 2, 30),
                    U::Edit(P::kStart, 34, 0, 70),
                    U::Label("End:", P::kEndLabel, 0, 20, 30),
                    U::Edit(P::kEnd, 34, 18, 70),
                    U::Check("Link to previous slice's end time", P::kLinkPrevious, 110, 0, 130),
                    U::Check("Link to next slice's start time", P::kLinkNext, 110, 18, 130)});
}
} // namespace

BEGIN_MESSAGE_MAP(CSliceDuration2Panel, CResourceObjectPanel)
    ON_BN_CLICKED(kLinkPrevious, OnLinkPrevious)
    ON_BN_CLICKED(kLinkNext, OnLinkNext)
END_MESSAGE_MAP()

CSliceDuration2Panel::CSliceDuration2Panel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7062}, MakeTemplate);
    SetController(&m_controller);
}

void CSliceDuration2Panel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kStartLabel, m_startLabel);
    BindIfPresent(this, dx, kStart, m_start);
    BindIfPresent(this, dx, kEndLabel, m_endLabel);
    BindIfPresent(this, dx, kEnd, m_end);
    BindIfPresent(this, dx, kLinkPrevious, m_linkPrevious);
    BindIfPresent(this, dx, kLinkNext, m_linkNext);
}

void CSliceDuration2Panel::SetupController()
{
    m_controller.SetControls(IfBound(m_start), IfBound(m_end));
    m_controller.SetMoreControls(IfBound(m_linkPrevious), IfBound(m_linkNext));
}

BOOL CSliceDuration2Panel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    if (m_linkPrevious.m_hWnd) m_linkPrevious.MakeTooltip("Link the start time to the end time of the previous segment");
    if (m_linkNext.m_hWnd) m_linkNext.MakeTooltip("Link the end time to the start time of the next segment");
    return TRUE;
}

void CSliceDuration2Panel::OnLinkPrevious() { m_controller.EnterLinkPrevious(); }

void CSliceDuration2Panel::OnLinkNext() { m_controller.EnterLinkNext(); }
