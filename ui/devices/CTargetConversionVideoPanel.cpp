#include "CTargetConversionVideoPanel.h"

#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CTargetConversionVideoPanel;
    return U::Page(240, 126,
                   {U::Label("Max Pixels:", -1, 0, 2, 60), U::Edit(P::kMaxPixels, 64, 0, 80),
                    U::Label("Min Pixels:", -1, 0, 20, 60), U::Edit(P::kMinPixels, 64, 18, 80),
                    U::Label("H. Alignment:", -1, 0, 38, 60), U::Edit(P::kHorizontalAlignment, 64, 36, 80),
                    U::Label("V. Alignment:", -1, 0, 56, 60), U::Edit(P::kVerticalAlignment, 64, 54, 80),
                    U::Label("Max Bitrate:", -1, 0, 74, 60), U::Edit(P::kMaxBitrate, 64, 72, 80),
                    U::Check("Discrete Resolution", P::kDiscreteResolution, 0, 90, 110),
                    U::Check("Discrete Frame Rate", P::kDiscreteFrameRate, 120, 90, 110),
                    U::Check("Auto Rotation", P::kAutoRotation, 0, 104, 110)});
}
} // namespace

BEGIN_MESSAGE_MAP(CTargetConversionVideoPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kDiscreteResolution, OnDiscreteResolution)
    ON_BN_CLICKED(kDiscreteFrameRate, OnDiscreteFrameRate)
    ON_BN_CLICKED(kAutoRotation, OnAutoRotation)
END_MESSAGE_MAP()

CTargetConversionVideoPanel::CTargetConversionVideoPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CTargetConversionVideoPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    BindIfPresent(this, dx, kMaxPixels, m_maxPixels);
    BindIfPresent(this, dx, kMinPixels, m_minPixels);
    BindIfPresent(this, dx, kHorizontalAlignment, m_horizontalAlignment);
    BindIfPresent(this, dx, kVerticalAlignment, m_verticalAlignment);
    BindIfPresent(this, dx, kMaxBitrate, m_maxBitrate);
    BindIfPresent(this, dx, kDiscreteResolution, m_discreteResolution);
    BindIfPresent(this, dx, kDiscreteFrameRate, m_discreteFrameRate);
    BindIfPresent(this, dx, kAutoRotation, m_autoRotation);
}

void CTargetConversionVideoPanel::SetupController()
{
    // No page edits the discrete-audio flag.
    m_controller.SetControls(nullptr, nullptr, nullptr, nullptr, nullptr, IfBound(m_maxPixels), IfBound(m_minPixels),
                             IfBound(m_horizontalAlignment), IfBound(m_verticalAlignment), IfBound(m_maxBitrate),
                             IfBound(m_discreteResolution), IfBound(m_discreteFrameRate), IfBound(m_autoRotation),
                             nullptr);
}

void CTargetConversionVideoPanel::OnDiscreteResolution() { m_controller.EnterDiscreteVideo(); }
void CTargetConversionVideoPanel::OnDiscreteFrameRate() { m_controller.EnterDiscreteFrameRate(); }
void CTargetConversionVideoPanel::OnAutoRotation() { m_controller.EnterAutoRotation(); }
