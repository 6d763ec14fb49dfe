#pragma once
// The transport bar of a file being trimmed or cut while it plays: play, pause, stop, frame
// steps, jumps and moves of slice boundaries, trimming, frame capture and the volume; the slice
// page adds split, add and remove. The buttons follow the player bound with SetPlayer.
#include "CPlaybackInterface.h"
#include "CResourceObjectPanel.h"
#include "CSliceEditController.h"
#include "CWindowLocator.h"
#include "CXpButton.h"

class CSliceTransportPanel : public CResourceObjectPanel, public CPlaybackInterface {
public:
    ~CSliceTransportPanel() override;

    void DoDataExchange(CDataExchange* dx) override;
    void SetupController() override;
    BOOL OnInitDialog() override;
    void UpdateCreate() override;
    void UpdateRelease() override;
    void UpdateState() override;
    void UpdatePosition() override;

    CSliceEditController& GetSliceController() { return m_controller; }

    enum : int {
        kPlay = 11012,
        kPause = 11013,
        kStop = 11014,
        kStepBackward = 11138,
        kStepForward = 11019,
        kMoveBackward = 11142,
        kMoveForward = 11143,
        kSkipBackward = 11140,
        kSkipForward = 11141,
        kTrimLeft = 11150,
        kTrimRight = 11151,
        kCaptureFrame = 11155,
        kSplit = 11145,
        kAdd = 11152,
        kRemove = 11146,
        kVolume = 1022,
    };
    static constexpr int kButtonCount = 16;

protected:
    // The page's own layout; without slices it lacks split, add and remove.
    CSliceTransportPanel(unsigned baseTemplate, unsigned long applicationId, CWnd* parent);
    static MvDialogTemplate MakeTemplate(bool slices);

    void OnPlay();
    void OnPause();
    void OnStop();
    void OnStepBackward();
    void OnStepForward();
    void OnMoveBackward();
    void OnMoveForward();
    void OnSkipBackward();
    void OnSkipForward();
    void OnTrimLeft();
    void OnTrimRight();
    void OnCaptureFrame();
    void OnSplit();
    void OnRemove();
    void OnVolume();
    void OnSize(UINT type, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    CXpButton& Button(int id);
    // Runs a slice action on the player, then enables the buttons after its result.
    void Act(void (CSliceEditController::*action)(CFilePlaybackAdministrator2*));

    CXpButton m_buttons[kButtonCount];
    HICON m_icons[kButtonCount] = {};
    CSliceEditController m_controller;
    CWindowLocator m_volumeLocator;
};
