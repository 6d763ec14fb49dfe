#pragma once
// Which channels of MPEG-1 audio are decoded: left, right or both.
#include "CObjectController2.h"

class CButton;
class CSettingDecodeMpeg;

class CMpegAudioDecoderController : public CObjectController2 {
public:
    CMpegAudioDecoderController();

    bool Respond(long code, CBroadcaster* sender, long a, long b) override;
    void Refresh() override;

    void SetControls(CButton* left, CButton* right, CButton* both);
    void ReflectChannels();
    void EnterLeft();
    void EnterRight();
    void EnterBoth();

private:
    CSettingDecodeMpeg* GetSetting() const;

    CButton* m_left = nullptr;
    CButton* m_right = nullptr;
    CButton* m_both = nullptr;
};
