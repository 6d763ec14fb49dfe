#pragma once
// A pop-up vertical volume slider shown beside a button; releasing the slider
// chooses, a click outside cancels.
#include "afx/windows/CDialog.h"
#include "afx/controls/CSliderCtrl.h"

class CVolumeSliderDialog : public CDialog {
public:
    CVolumeSliderDialog();

    // False for a null button or a cancelled pop-up (volume then unchanged).
    static bool Prompt(CWnd* button, unsigned char& volume);
    static bool Prompt(unsigned char& volume);

    void SetVolume(unsigned char volume) { m_volume = volume; }
    unsigned char GetVolume() const { return m_volume; }

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

    static CRect sButtonRect;

protected:
    void OnSliderReleased(NMHDR* header, LRESULT* result);
    void OnLButtonUp(UINT flags, CPoint point);

    DECLARE_MESSAGE_MAP()

private:
    CSliderCtrl m_slider;
    unsigned char m_volume = 50;
};
