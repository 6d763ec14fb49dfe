#include "CMpegAudioDecoderController.h"

#include "CSettingDecodeMpeg.h"
#include "UWindowsUtils.h"

CMpegAudioDecoderController::CMpegAudioDecoderController()
{
    mExpectedType = FourCharCode("dmpa");
}

CSettingDecodeMpeg* CMpegAudioDecoderController::GetSetting() const
{
    return static_cast<CSettingDecodeMpeg*>(GetObjectA());
}

void CMpegAudioDecoderController::SetControls(CButton* left, CButton* right, CButton* both)
{
    m_left = left;
    m_right = right;
    m_both = both;
}

void CMpegAudioDecoderController::ReflectChannels()
{
    CSettingDecodeMpeg* setting = GetSetting();
    if (!setting) return;
    UWindowsUtils::SetCheck(m_left, setting->GetLeft() && !setting->GetRight());
    UWindowsUtils::SetCheck(m_right, setting->GetRight() && !setting->GetLeft());
    UWindowsUtils::SetCheck(m_both, setting->GetLeft() && setting->GetRight());
}

// The one to keep goes on first: the setting keeps one channel on at all times.
void CMpegAudioDecoderController::EnterLeft()
{
    if (!GetSetting()) return;
    GetSetting()->SetLeft(true);
    GetSetting()->SetRight(false);
    ReflectChannels();
}

void CMpegAudioDecoderController::EnterRight()
{
    if (!GetSetting()) return;
    GetSetting()->SetRight(true);
    GetSetting()->SetLeft(false);
    ReflectChannels();
}

void CMpegAudioDecoderController::EnterBoth()
{
    if (!GetSetting()) return;
    GetSetting()->SetRight(true);
    GetSetting()->SetLeft(true);
    ReflectChannels();
}

void CMpegAudioDecoderController::Refresh()
{
    ReflectChannels();
}

bool CMpegAudioDecoderController::Respond(long code, CBroadcaster* sender, long a, long b)
{
    if (code == CSettingDecodeMpeg::kLeftChangedNotice || code == CSettingDecodeMpeg::kRightChangedNotice) {
        ReflectChannels();
        return true;
    }
    return CObjectController2::Respond(code, sender, a, b);
}
