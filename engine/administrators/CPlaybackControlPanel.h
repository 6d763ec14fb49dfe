#pragma once
// The engine's player bar: play, pause, stop, frame steps, frame capture and volume
// buttons, a time slider in hundredths of a second, the file name and the time text,
// kept in place when the bar is resized.
#include "CPanel.h"
#include "CPlaybackInterface.h"
#include "CWindowLocator.h"
#include "CXpButton.h"
#include "afx/controls/CSliderCtrl.h"
#include "afx/controls/CStatic.h"

class CPlaybackControlPanel : public CPanel, public CPlaybackInterface {
public:
    enum : unsigned {
        IDD = 1018,
        kPlay = 1016,
        kPause = 1015,
        kStop = 1014,
        kStepBackward = 1018,
        kStepForward = 1019,
        kCaptureFrame = 1021,
        kVolume = 1022,
        kTimeSlider = 1017,
        kNameText = 6005,
        kTimeText = 6006,
    };

    explicit CPlaybackControlPanel(CWnd* parent = nullptr);

    void PositionButtons();
    void UpdateState() override;
    void UpdatePosition() override;
    void FormatTime(double position, double duration);
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    CXpButton& GetButton(unsigned id);
    CSliderCtrl& GetSlider() { return m_slider; }
    CStatic& GetNameText() { return m_name; }
    CStatic& GetTimeText() { return m_time; }

    void OnPlay();
    void OnPause();
    void OnStop();
    void OnStepBackward();
    void OnStepForward();
    void OnCaptureFrame();
    void OnVolume();
    void OnSliderReleased(NMHDR* header, LRESULT* result);
    void OnSize(UINT type, int cx, int cy);

    DECLARE_MESSAGE_MAP()

private:
    bool HasGraph() const;

    CXpButton m_buttons[7];
    CSliderCtrl m_slider;
    CStatic m_name;
    CStatic m_time;
    CWindowLocator m_locators[10];
};
