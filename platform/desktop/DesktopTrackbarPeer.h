#pragma once
// The trackbar as a slider: dragging the handle reaches the model as the mouse's press,
// moves and release over its thumb, keys and clicks on the groove as the keys that step it.
#include "desktop/DesktopControlPeer.h"
#include "win32/controls/CtlTrackbar.h"

class QSlider;

class DesktopTrackbarPeer : public DesktopControlPeer<CtlTrackbar> {
public:
    explicit DesktopTrackbarPeer(HWND hwnd);
    void SyncState() override;

private:
    void MouseAt(UINT message, int pos);
    QSlider* m_slider;
};
