#include "CVideoDetailDialog.h"

#include "CVideoTrack.h"
#include "StApplicationId.h"
#include "UDialogTemplates.h"
#include "UWindowsUtils.h"
#include "afx/windows/CDataExchange.h"
#include "afx/windows/MessageMap.h"

namespace {

// Template variants of the pages: 2 and 3 name the detail dialog's own layouts.
constexpr unsigned long kDetailLayouts = 2;
constexpr unsigned long kAudioDetailLayouts = 3;
constexpr unsigned long kRunningApplication = 0;
// Locator factors: 0 keeps an edge with the dialog's top or left, 256 moves it with the
// bottom or right.
constexpr unsigned short kStays = 0;
constexpr unsigned short kFollows = 256;

MvDialogTemplate MakeTemplate()
{
    using U = UDialogTemplates;
    using D = CVideoDetailDialog;
    return U::Make("Media Details", 330, 420,
                   {U::Item("Static", "Aspect Ratio", D::kAspect, 0, 7, 7, 240, 56),
                    U::Item("Static", "Crop", D::kCrop, 0, 7, 65, 200, 58),
                    U::Item("Static", "Transformation (Flip and Rotate)", D::kTransformation, 0, 7, 125, 240, 40),
                    U::Item("Static", "", D::kVideo, 0, 7, 168, 316, 120),
                    U::Item("Static", "Time line", D::kTimeline, 0, 7, 291, 316, 24),
                    U::Item("Static", "Buttons", D::kButtons, 0, 7, 317, 316, 22),
                    U::Item("Static", "Duration", D::kDuration, 0, 7, 341, 250, 72),
                    U::Item("Button", "OK", IDOK, BS_DEFPUSHBUTTON | WS_TABSTOP, 273, 381, 50, 14),
                    U::Item("Button", "Cancel", IDCANCEL, WS_TABSTOP, 273, 399, 50, 14)});
}

void Anchor(CWindowLocator& locator, unsigned short top, unsigned short bottom, unsigned short left,
            unsigned short right)
{
    locator.SetTop(top);
    locator.SetBottom(bottom);
    locator.SetLeft(left);
    locator.SetRight(right);
}

int ClientHeight(CWnd& window)
{
    CRect r;
    window.GetClientRect(&r);
    return r.Height();
}

} // namespace

BEGIN_MESSAGE_MAP(CVideoDetailDialog, CDialog)
    ON_WM_DESTROY()
    ON_WM_SIZE()
END_MESSAGE_MAP()

CVideoDetailDialog::CVideoDetailDialog(CWnd* parent)
    : CDialog(kTemplate, parent),
      m_aspect(kDetailLayouts, nullptr),
      m_crop(kDetailLayouts, nullptr),
      m_transformation(kDetailLayouts, nullptr),
      m_buttons(kRunningApplication, nullptr),
      m_track(IsAudio() ? kAudioDetailLayouts : kDetailLayouts, nullptr),
      m_showVideoPages(!IsAudio())
{
    UDialogTemplates::Register(kTemplate, MakeTemplate);
    m_file.AddListener(this);
    for (CWindowLocator* page : {&m_aspectLocator, &m_cropLocator, &m_transformationLocator})
        Anchor(*page, kStays, kStays, kStays, kFollows);
    Anchor(m_videoLocator, kStays, kFollows, kStays, kFollows);
    Anchor(m_timelineLocator, kFollows, kFollows, kStays, kFollows);
    Anchor(m_buttonsLocator, kFollows, kFollows, kStays, kFollows);
    Anchor(m_trackLocator, kFollows, kFollows, kStays, kStays);
    Anchor(m_okLocator, kFollows, kFollows, kFollows, kFollows);
    Anchor(m_cancelLocator, kFollows, kFollows, kFollows, kFollows);
}

CVideoDetailDialog::~CVideoDetailDialog()
{
    m_file.RemoveListener(this);
    // The preview's threads draw into the video window: they end before any member goes.
    m_player.Release();
}

void CVideoDetailDialog::SetData(CMediaFile2& file)
{
    m_file = file;
}

bool CVideoDetailDialog::IsAudio()
{
    const unsigned long id = StApplicationId::Id();
    return id == 44035 || id == 58090;
}

void CVideoDetailDialog::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDOK, m_ok);
    DDX_Control(dx, IDCANCEL, m_cancel);
    DDX_Control(dx, kVideo, m_video);
}

void CVideoDetailDialog::PlacePanel(CPanel& page, int placeholder)
{
    if (page.CreateInWindow(this)) UWindowsUtils::ReplaceWindow(&page, GetDlgItem(placeholder));
}

BOOL CVideoDetailDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    PlacePanel(m_aspect, kAspect);
    PlacePanel(m_crop, kCrop);
    PlacePanel(m_transformation, kTransformation);
    if (m_timeline.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 200, 100), this, kTimeline + 1000))
        UWindowsUtils::ReplaceWindow(&m_timeline, GetDlgItem(kTimeline));
    PlacePanel(m_track, kDuration);
    PlacePanel(m_buttons, kButtons);

    m_aspectLocator.SetWindow(&m_aspect);
    m_cropLocator.SetWindow(&m_crop);
    m_transformationLocator.SetWindow(&m_transformation);
    m_videoLocator.SetWindow(&m_video);
    m_timelineLocator.SetWindow(&m_timeline);
    m_buttonsLocator.SetWindow(&m_buttons);
    m_trackLocator.SetWindow(&m_track);
    m_okLocator.SetWindow(&m_ok);
    m_cancelLocator.SetWindow(&m_cancel);
    ArrangePanels();

    m_player.SetVideoWindow(&m_video);
    m_buttons.SetPlayer(&m_player);
    m_timeline.SetPlayer(&m_player);

    m_player.SetFilePath(m_file.GetFilePath().GetFilePath());
    CPersistMultiFile2& path = m_file.GetFilePath();
    for (int i = 0; i < path.GetSegmentCount(); ++i) {
        CPersistFile2* segment = path.GetSegment(i);
        if (segment && !segment->GetFilePath().IsEmpty()) m_player.AddMultiFilePath(segment->GetFilePath());
    }
    m_player.SetStart(path.GetStart());
    m_player.SetEnd(path.GetEnd());
    m_player.SetInputId(m_file.GetFileSourceId());
    for (int i = 0; i < CMediaFile2::kSplitterCount; ++i) m_player.SetSplitterId(m_file.GetSplitterId(i), i);
    m_player.SetChainSplitter(m_file.GetChainSplitter());

    m_timeline.SetObject(&m_file);
    m_buttons.SetObject(&m_file);
    m_track.SetObject(&m_file);
    SelectTrack();
    return TRUE;
}

void CVideoDetailDialog::ChangeHeight(int dy)
{
    CRect r;
    GetWindowRect(&r);
    r.bottom += dy;
    MoveWindow(&r, TRUE);
}

void CVideoDetailDialog::ArrangePanels()
{
    CWnd* pages[] = {&m_aspect, &m_crop, &m_transformation};
    if (m_file.HasVideo()) {
        for (CWnd* page : pages) UWindowsUtils::ShowWindow(page, m_showVideoPages);
        if (m_showVideoPages) return;
        int height = 0;
        for (CWnd* page : pages) height += ClientHeight(*page);
        // The video window moves up into the pages' place, keeping its size.
        m_videoLocator.SetTop(kFollows);
        ChangeHeight(-height);
        m_videoLocator.SetTop(kStays);
        // Later resizes start from where it now is.
        m_videoLocator.SetWindow(&m_video);
        return;
    }
    for (CWnd* page : pages) UWindowsUtils::ShowWindow(page, false);
    UWindowsUtils::ShowWindow(&m_video, false);
    CRect video;
    m_video.GetWindowRect(&video);
    ScreenToClient(&video);
    ChangeHeight(-video.bottom);
}

void CVideoDetailDialog::SelectTrack()
{
    if (CVideoTrack* track = m_file.GetSelectedVideo()) {
        m_videoLocator.SetAspectRatio(&track->GetAspectRatio());
        m_aspect.SetObject(&track->GetAspectRatio());
        m_crop.SetObject(track);
        m_transformation.SetObject(&track->GetTransformation());
        m_monitor.SetVideoTrack(track);
    }
    // Hands the player the selected tracks and shows the new track's first frame.
    StartVideo();
}

void CVideoDetailDialog::StartVideo()
{
    m_player.Stop();
    m_player.Release();
    m_player.SetSelectVideo(m_file.GetSelectVideo());
    m_player.SetSelectAudio(m_file.GetSelectAudio());
    m_player.SetSelectSubtitle(m_file.GetSelectSubtitle());
    m_player.SetWantsSubtitle(m_file.GetShowSubtitle());
    if (m_player.Create()) m_player.Pause();
}

bool CVideoDetailDialog::Respond(long code, CBroadcaster* sender, long a, long b)
{
    switch (code) {
    case CMediaStream::kSelectVideoChangedNotice:
        SelectTrack();
        return true;
    case CMediaStream::kSelectAudioChangedNotice:
    case CMediaStream::kShowSubtitleChangedNotice:
    case CMediaStream::kSelectSubtitleChangedNotice:
        StartVideo();
        return true;
    default:
        return CListener::Respond(code, sender, a, b);
    }
}

void CVideoDetailDialog::OnDestroy()
{
    // Nothing may draw into the closing window.
    m_player.Stop();
    m_player.Release();
    CDialog::OnDestroy();
}

void CVideoDetailDialog::OnSize(UINT type, int cx, int cy)
{
    CDialog::OnSize(type, cx, cy);
    for (CWindowLocator* locator : {&m_trackLocator, &m_timelineLocator, &m_buttonsLocator,
                                    static_cast<CWindowLocator*>(&m_videoLocator), &m_cancelLocator, &m_okLocator})
        if (locator->GetWindow() && locator->GetWindow()->m_hWnd) locator->Move();
}
