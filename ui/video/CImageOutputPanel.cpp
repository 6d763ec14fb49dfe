#include "CImageOutputPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"
#include "win32/controls/CommCtrl.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CImageOutputPanel;
    return U::Page(240, 40,
                   {U::Label("Image Type:", P::kTypeLabel, 0, 2, 60),
                    U::DropList(P::kType, 64, 0, 100),
                    U::Label("Quality:", P::kQualityLabel, 0, 20, 60),
                    U::Slider(P::kQuality, 64, 18, 130),
                    U::Label("100", P::kQualityValue, 200, 20, 30)});
}
} // namespace

BEGIN_MESSAGE_MAP(CImageOutputPanel, CResourceObjectPanel)
    ON_CBN_SELCHANGE(kType, OnTypeChanged)
    ON_NOTIFY(NM_RELEASEDCAPTURE, kQuality, OnQualityReleased)
END_MESSAGE_MAP()

CImageOutputPanel::CImageOutputPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CImageOutputPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kTypeLabel, m_typeLabel);
    BindIfPresent(this, dx, kType, m_type);
    BindIfPresent(this, dx, kQualityLabel, m_qualityLabel);
    BindIfPresent(this, dx, kQuality, m_quality);
    BindIfPresent(this, dx, kQualityValue, m_qualityValue);
}

void CImageOutputPanel::SetupController()
{
    m_controller.SetControls(IfBound(m_type), IfBound(m_quality));
    m_controller.SetStatics(IfBound(m_qualityValue));
}

void CImageOutputPanel::OnTypeChanged() { m_controller.EnterImageType(); }

void CImageOutputPanel::OnQualityReleased(NMHDR*, LRESULT* result)
{
    m_controller.EnterQuality();
    *result = 0;
}
