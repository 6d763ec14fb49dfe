#pragma once
// The "Media Details" dialog: a preview of one input file, paused on its first frame, with
// the aspect ratio, crop, flip and rotation of its video track, the tracks used, the part to
// keep and its slices. It edits its own copy of the file; the caller takes it back after OK.
#include "CAdjustedFilePlaybackAdministrator2.h"
#include "CAspectRatioInfo2Panel.h"
#include "CAspectRatioPlaybackMonitor.h"
#include "CDirectShowWindow.h"
#include "CDurationEditPanel.h"
#include "CInputVideo2Panel.h"
#include "CListener.h"
#include "CMediaFile2.h"
#include "CMediaSlicesTimelineWindow.h"
#include "CVideoCropPanel.h"
#include "CVideoTransformationPanel.h"
#include "CVideoWindowLocator.h"
#include "CWindowLocator.h"
#include "afx/controls/CButton.h"
#include "afx/controls/CStatic.h"
#include "afx/windows/CDialog.h"

class CVideoDetailDialog : public CDialog, public CListener {
public:
    explicit CVideoDetailDialog(CWnd* parent);
    ~CVideoDetailDialog() override;

    // Copies the file in; the dialog listens to its copy.
    void SetData(CMediaFile2& file);
    CMediaFile2& GetData() { return m_file; }
    // The audio applications show no video pages.
    static bool IsAudio();

    void ArrangePanels();
    void SelectTrack();
    // Rebuilds the preview with the selected tracks, paused on its first frame.
    void StartVideo();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    CAdjustedFilePlaybackAdministrator2& GetPlayer() { return m_player; }
    CDirectShowWindow& GetVideoWindow() { return m_video; }
    CAspectRatioInfo2Panel& GetAspectPanel() { return m_aspect; }
    CVideoCropPanel& GetCropPanel() { return m_crop; }
    CVideoTransformationPanel& GetTransformationPanel() { return m_transformation; }
    CDurationEditPanel& GetButtonsPanel() { return m_buttons; }
    CMediaSlicesTimelineWindow& GetTimeline() { return m_timeline; }
    CInputVideo2Panel& GetTrackPanel() { return m_track; }

    enum : int {
        kAspect = 7006,
        kCrop = 7007,
        kTransformation = 7008,
        kDuration = 7021,
        kButtons = 11134,
        kTimeline = 11135,
        kVideo = 11136,
    };
    static constexpr UINT kTemplate = 7000;

protected:
    void OnDestroy();
    void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    // The page takes the placeholder's place and the placeholder goes.
    void PlacePanel(CPanel& page, int placeholder);
    // Grows or shrinks the dialog by dy at its bottom edge.
    void ChangeHeight(int dy);

    CMediaFile2 m_file;
    CAdjustedFilePlaybackAdministrator2 m_player;
    CAspectRatioPlaybackMonitor m_monitor{&m_player};
    CAspectRatioInfo2Panel m_aspect;
    CVideoCropPanel m_crop;
    CVideoTransformationPanel m_transformation;
    CDurationEditPanel m_buttons;
    CMediaSlicesTimelineWindow m_timeline;
    CInputVideo2Panel m_track;
    CWindowLocator m_aspectLocator;
    CWindowLocator m_cropLocator;
    CWindowLocator m_transformationLocator;
    CVideoWindowLocator m_videoLocator;
    CWindowLocator m_timelineLocator;
    CWindowLocator m_buttonsLocator;
    CWindowLocator m_trackLocator;
    CWindowLocator m_okLocator;
    CWindowLocator m_cancelLocator;
    CButton m_ok;
    CButton m_cancel;
    CDirectShowWindow m_video;
    bool m_showVideoPages;
};
