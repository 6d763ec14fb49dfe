#include "CRealAudioOutputPanel.h"

#include "CMediaOutput2.h"
#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CRealAudioOutputPanel;
    return U::Page(285, 123,
                   {U::Label("Mode:", P::kModeLabel, 0, 2, 60), U::DropList(P::kMode, 64, 0, 120),
                    U::Label("Settings:", P::kSettingsLabel, 0, 20, 60),
                    U::Radio("Automatic", P::kAutomatic, 64, 19, 60, true),
                    U::Radio("Specify", P::kSpecify, 130, 19, 60, false),
                    U::Label("Sample Rate:", P::kSampleRateLabel, 0, 36, 60), U::DropList(P::kSampleRate, 64, 34, 120),
                    U::Label("Channel:", P::kChannelLabel, 0, 52, 60), U::DropList(P::kChannel, 64, 50, 120),
                    U::Label("Bits/Sample:", P::kBitsLabel, 0, 68, 60), U::DropList(P::kBits, 64, 66, 120),
                    U::Label("Complexity:", P::kComplexityLabel, 0, 86, 60), U::DropList(P::kComplexity, 64, 84, 120)});
}
} // namespace

BEGIN_MESSAGE_MAP(CRealAudioOutputPanel, CAudioOutput2Panel)
    ON_CBN_SELCHANGE(kMode, OnModeChanged)
    ON_CBN_SELCHANGE(kComplexity, OnComplexityChanged)
END_MESSAGE_MAP()

CRealAudioOutputPanel::CRealAudioOutputPanel(unsigned long applicationId, CWnd* parent)
    : CRealAudioOutputPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate, 7096, 7100}, MakeTemplate);
}

CRealAudioOutputPanel::CRealAudioOutputPanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent)
    : CAudioOutput2Panel(baseTemplate, applicationId, parent)
{
    SetController2(&m_complexityController);
}

void CRealAudioOutputPanel::DoDataExchange(CDataExchange* dx)
{
    CAudioOutput2Panel::DoDataExchange(dx);
    DDX_Control(dx, kMode, m_mode);
    DDX_Control(dx, kComplexity, m_complexity);
}

void CRealAudioOutputPanel::SetupController()
{
    CAudioOutput2Panel::SetupController();
    m_complexityController.SetControls(&m_mode, &m_complexity);
}

void CRealAudioOutputPanel::SetObject(CPersistObject* object)
{
    // The two lists edit the same audio track as the rest of the page.
    auto* output =
        object && object->IsInstanceOf(FourCharCode("mdo2")) ? static_cast<CMediaOutput2*>(object) : nullptr;
    m_complexityController.SetObject(output ? output->GetAudioOutput(0) : nullptr, true);
    CAudioOutput2Panel::SetObject(object);
}

void CRealAudioOutputPanel::OnModeChanged() { m_complexityController.EnterMode(); }
void CRealAudioOutputPanel::OnComplexityChanged() { m_complexityController.EnterComplexity(); }
