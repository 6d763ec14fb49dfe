#include "CMpegAudioDecoderPanel.h"

#include "UPanelTemplates.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {
MvDialogTemplate MakeTemplate()
{
    using U = UPanelTemplates;
    using P = CMpegAudioDecoderPanel;
    return U::Page(285, 123,
                   {U::Label("Decode the following channels in MPEG-1 Layer-1 or Layer-2 audio.", -1, 0, 0, 280),
                    U::Radio("Both Channels", P::kBoth, 0, 14, 200, true),
                    U::Radio("Left Channel", P::kLeft, 0, 28, 200, false),
                    U::Radio("Right Channel", P::kRight, 0, 42, 200, false),
                    U::Label("The MPEG audio in VCD files often contains one language in the left channel, and another "
                             "in the right channel. Pick a single channel if your video source is VCD.",
                             -1, 0, 60, 280, 32)});
}
} // namespace

BEGIN_MESSAGE_MAP(CMpegAudioDecoderPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kBoth, OnBoth)
    ON_BN_CLICKED(kLeft, OnLeft)
    ON_BN_CLICKED(kRight, OnRight)
END_MESSAGE_MAP()

CMpegAudioDecoderPanel::CMpegAudioDecoderPanel(unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(kTemplate, applicationId, parent)
{
    UPanelTemplates::Register({kTemplate}, MakeTemplate);
    SetController(&m_controller);
}

void CMpegAudioDecoderPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    DDX_Control(dx, kBoth, m_both);
    DDX_Control(dx, kLeft, m_left);
    DDX_Control(dx, kRight, m_right);
}

BOOL CMpegAudioDecoderPanel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    m_both.MakeTooltip("Decode both channels");
    m_left.MakeTooltip("Decode left channel only");
    m_right.MakeTooltip("Decode right channel only");
    return TRUE;
}

void CMpegAudioDecoderPanel::SetupController()
{
    m_controller.SetControls(&m_left, &m_right, &m_both);
}

void CMpegAudioDecoderPanel::OnBoth() { m_controller.EnterBoth(); }
void CMpegAudioDecoderPanel::OnLeft() { m_controller.EnterLeft(); }
void CMpegAudioDecoderPanel::OnRight() { m_controller.EnterRight(); }
