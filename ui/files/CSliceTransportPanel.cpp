#include "CSliceTransportPanel.h"

#include "CFilePlaybackAdministrator2.h"
#include "CVolumeSliderDialog.h"
#include "UDialogTemplates.h"
#include "UPanelsResources.h"
#include "UPageControls.h"
#include "UPanelTemplates.h"
#include "afx/windows/MessageMap.h"
#include "win32/gdi/Icon.h"

namespace {

struct ButtonSpec {
    int id;
    const char* caption;
    UINT icon;
    const char* tooltip;
    bool slicesOnly;
};

using P = CSliceTransportPanel;
// In the order of the bar, the volume last.
const ButtonSpec kButtons[P::kButtonCount] = {
    {P::kPlay, "Play", 11063, "Play", false},
    {P::kPause, "Pause", 11064, "Pause", false},
    {P::kStop, "Stop", 11065, "Stop", false},
    {P::kStepBackward, "Step Backward", 11066, "Step backward", false},
    {P::kStepForward, "Step Forward", 11067, "Step forward", false},
    {P::kMoveBackward, "Move Backward", 11068, "Move the boundary backward", false},
    {P::kMoveForward, "Move Forward", 11069, "Move the boundary forward", false},
    {P::kSkipBackward, "Skip Backward", 11070, "Move backward to the previous segment boundary", false},
    {P::kSkipForward, "Skip Forward", 11071, "Move forward to the next segment boundary", false},
    {P::kTrimLeft, "Trim Left", 11078, "Set start time", false},
    {P::kTrimRight, "Trim Right", 11079, "Set end time", false},
    {P::kCaptureFrame, "Capture Frame", 1027, "Capture frame", false},
    {P::kSplit, "Split Video", 11074, "Split video", true},
    {P::kAdd, "Add Video", 11075, "Add a new slice", true},
    {P::kRemove, "Remove Slice", 11076, "Remove selected slice", true},
    {P::kVolume, "Volume", 1028, "Change audio volume", false},
};

constexpr short kButtonWidth = 20;
constexpr short kButtonHeight = 14;

} // namespace

BEGIN_MESSAGE_MAP(CSliceTransportPanel, CResourceObjectPanel)
    ON_BN_CLICKED(kPlay, OnPlay)
    ON_BN_CLICKED(kPause, OnPause)
    ON_BN_CLICKED(kStop, OnStop)
    ON_BN_CLICKED(kStepBackward, OnStepBackward)
    ON_BN_CLICKED(kStepForward, OnStepForward)
    ON_BN_CLICKED(kMoveBackward, OnMoveBackward)
    ON_BN_CLICKED(kMoveForward, OnMoveForward)
    ON_BN_CLICKED(kSkipBackward, OnSkipBackward)
    ON_BN_CLICKED(kSkipForward, OnSkipForward)
    ON_BN_CLICKED(kTrimLeft, OnTrimLeft)
    ON_BN_CLICKED(kTrimRight, OnTrimRight)
    ON_BN_CLICKED(kCaptureFrame, OnCaptureFrame)
    ON_BN_CLICKED(kSplit, OnSplit)
    ON_BN_CLICKED(kAdd, OnSplit)
    ON_BN_CLICKED(kRemove, OnRemove)
    ON_BN_CLICKED(kVolume, OnVolume)
    ON_WM_SIZE()
END_MESSAGE_MAP()

MvDialogTemplate CSliceTransportPanel::MakeTemplate(bool slices)
{
    std::vector<MvDialogItem> items;
    short x = 0;
    for (const ButtonSpec& spec : kButtons) {
        if (spec.slicesOnly && !slices) continue;
        // The volume keeps its distance to the right edge.
        if (spec.id == kVolume) x += kButtonWidth / 2;
        items.push_back(UDialogTemplates::Item("Button", spec.caption, spec.id, BS_OWNERDRAW | WS_TABSTOP, x, 0,
                                               kButtonWidth, kButtonHeight));
        x += kButtonWidth + 2;
    }
    return UPanelTemplates::Page(x, kButtonHeight, std::move(items));
}

CSliceTransportPanel::CSliceTransportPanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent)
    : CResourceObjectPanel(baseTemplate, applicationId, parent)
{
    SetController(&m_controller);
    m_volumeLocator.SetLeft(256);
    m_volumeLocator.SetRight(256);
    m_volumeLocator.SetTop(256);
    m_volumeLocator.SetBottom(256);
}

CSliceTransportPanel::~CSliceTransportPanel()
{
    // The buttons go first: none may draw an icon that is gone.
    for (CXpButton& button : m_buttons)
        if (button.m_hWnd) button.DestroyWindow();
    for (HICON icon : m_icons)
        if (icon) DestroyIcon(icon);
}

CXpButton& CSliceTransportPanel::Button(int id)
{
    for (int i = 0; i < kButtonCount; ++i)
        if (kButtons[i].id == id) return m_buttons[i];
    return m_buttons[kButtonCount - 1];
}

void CSliceTransportPanel::DoDataExchange(CDataExchange* dx)
{
    CResourceObjectPanel::DoDataExchange(dx);
    for (int i = 0; i < kButtonCount; ++i) BindIfPresent(this, dx, kButtons[i].id, m_buttons[i]);
}

void CSliceTransportPanel::SetupController()
{
    auto at = [this](int id) -> CButton* { return IfBound(Button(id)); };
    m_controller.SetControls(at(kPlay), at(kPause), at(kStop), at(kStepBackward), at(kStepForward), at(kSkipBackward),
                             at(kSkipForward), at(kMoveBackward), at(kMoveForward), at(kTrimLeft), at(kTrimRight),
                             at(kCaptureFrame), at(kSplit), at(kAdd), at(kRemove));
}

BOOL CSliceTransportPanel::OnInitDialog()
{
    CResourceObjectPanel::OnInitDialog();
    for (int i = 0; i < kButtonCount; ++i) {
        if (!m_buttons[i].m_hWnd) continue;
        m_buttons[i].MakeTooltip(kButtons[i].tooltip);
        m_icons[i] = LoadIconA(UPanelsResources::Module(), MAKEINTRESOURCEA(kButtons[i].icon));
        if (m_icons[i]) m_buttons[i].SetIcon(m_icons[i]);
    }
    if (Button(kVolume).m_hWnd) m_volumeLocator.SetWindow(&Button(kVolume));
    m_controller.Update(GetPlayer());
    return TRUE;
}

void CSliceTransportPanel::OnSize(UINT type, int cx, int cy)
{
    CResourceObjectPanel::OnSize(type, cx, cy);
    if (m_volumeLocator.GetWindow()) m_volumeLocator.Move();
}

void CSliceTransportPanel::UpdateCreate() { m_controller.Update(GetPlayer()); }
void CSliceTransportPanel::UpdateRelease() { m_controller.Update(GetPlayer()); }
void CSliceTransportPanel::UpdateState() { m_controller.Update(GetPlayer()); }
void CSliceTransportPanel::UpdatePosition() { m_controller.Update(GetPlayer()); }

void CSliceTransportPanel::OnPlay()
{
    if (GetPlayer()) GetPlayer()->Play();
}

void CSliceTransportPanel::OnPause()
{
    if (GetPlayer()) GetPlayer()->Pause();
}

void CSliceTransportPanel::OnStop()
{
    // Stopped, the player still shows its first frame.
    if (!GetPlayer()) return;
    GetPlayer()->Stop();
    GetPlayer()->Pause();
}

void CSliceTransportPanel::Act(void (CSliceEditController::*action)(CFilePlaybackAdministrator2*))
{
    (m_controller.*action)(GetPlayer());
    // An edit can change what lies under the position while the position stays.
    m_controller.Update(GetPlayer());
}

void CSliceTransportPanel::OnStepBackward() { Act(&CSliceEditController::ActionStepBackward); }
void CSliceTransportPanel::OnStepForward() { Act(&CSliceEditController::ActionStepForward); }
void CSliceTransportPanel::OnMoveBackward() { Act(&CSliceEditController::ActionMoveBackward); }
void CSliceTransportPanel::OnMoveForward() { Act(&CSliceEditController::ActionMoveForward); }
void CSliceTransportPanel::OnSkipBackward() { Act(&CSliceEditController::ActionSkipBackward); }
void CSliceTransportPanel::OnSkipForward() { Act(&CSliceEditController::ActionSkipForward); }
void CSliceTransportPanel::OnTrimLeft() { Act(&CSliceEditController::ActionTrimLeft); }
void CSliceTransportPanel::OnTrimRight() { Act(&CSliceEditController::ActionTrimRight); }
void CSliceTransportPanel::OnSplit() { Act(&CSliceEditController::ActionSplit); }
void CSliceTransportPanel::OnRemove() { Act(&CSliceEditController::ActionRemove); }

void CSliceTransportPanel::OnCaptureFrame()
{
    if (GetPlayer()) GetPlayer()->Snap();
}

void CSliceTransportPanel::OnVolume()
{
    unsigned char volume = 0;
    if (!GetPlayer() || !GetPlayer()->GetVolume(volume)) return;
    if (CVolumeSliderDialog::Prompt(&Button(kVolume), volume)) GetPlayer()->SetVolume(volume);
}
