#include "CSnapshotOutputPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CSnapshotOutputPanel;
    return U::Page(240, 78,
                   {U::Check("Save Thumbnails", P::kSaveThumbnails, 0, 0, 120),
                    U::Label("Format:", P::kFormatLabel, 0, 18, 50),
                    U::DropList(P::kFormat, 54, 16, 60),
                    U::Label("Position:", P::kPositionLabel, 0, 36, 50),
                    U::Edit(P::kPosition, 54, 34, 30),
                    U::Label("% in duration", P::kPercentLabel, 88, 36, 60),
                    U::Check("Resize", P::kResize, 0, 52, 50),
                    U::Label("Width:", P::kWidthLabel, 54, 53, 30),
                    U::Edit(P::kWidth, 86, 51, 36),
                    U::Label("Height:", P::kHeightLabel, 128, 53, 30),
                    U::Edit(P::kHeight, 160, 51, 36)});
}
} // namespace

BEGIN_MESSAGE_MAP(CSnapshotOutputPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kSaveThumbnails, OnSaveThumbnails)
    ON_CBN_SELCHANGE(kFormat, OnFormatChanged)
    ON_BN_CLICKED(kResize, OnResize)
END_MESSAGE_MAP()

CSnapshotOutputPanel::CSnapshotOutputPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7115}, MakeTemplate);
    SetController(&m_controller);
}

void CSnapshotOutputPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kSaveThumbnails, m_saveThumbnails);
    BindIfPresent(this, dx, kFormatLabel, m_formatLabel);
    BindIfPresent(this, dx, kFormat, m_format);
    BindIfPresent(this, dx, kPositionLabel, m_positionLabel);
    BindIfPresent(this, dx, kPosition, m_position);
    BindIfPresent(this, dx, kPercentLabel, m_percentLabel);
    BindIfPresent(this, dx, kResize, m_resize);
    BindIfPresent(this, dx, kWidthLabel, m_widthLabel);
    BindIfPresent(this, dx, kWidth, m_width);
    BindIfPresent(this, dx, kHeightLabel, m_heightLabel);
    BindIfPresent(this, dx, kHeight, m_height);
}

void CSnapshotOutputPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_saveThumbnails), IfBound(m_format), IfBound(m_position), IfBound(m_resize),
                             IfBound(m_width), IfBound(m_height));
    m_controller.SetStatics(IfBound(m_formatLabel), IfBound(m_positionLabel), IfBound(m_percentLabel),
                            IfBound(m_widthLabel), IfBound(m_heightLabel));
}

void CSnapshotOutputPanel::OnSaveThumbnails() { m_controller.EnterFrameCapture(); }

void CSnapshotOutputPanel::OnFormatChanged() { m_controller.EnterImageType(); }

void CSnapshotOutputPanel::OnResize() { m_controller.EnterResize(); }
