#include "CVideoRecorder3d2.h"

#include "CPersistStorage.h"

MV_IMPLEMENT_PERSIST_CLASS(CVideoRecorder3d2, CVideoRecorder2, FourCharCode("v3d2"))

namespace {
const char* const kLeftTag = "left";
const char* const kRightTag = "right";
const char* const kVideoSource2Tag = "video source 2";
const char* const k3dTag = "3d";
}

void CVideoRecorder3d2::SaveSelf(const char* name, CPersistStorage& storage)
{
    CVideoRecorder2::SaveSelf(name, storage);
    storage.Save(kLeftTag, m_leftOn);
    storage.Save(kRightTag, m_rightOn);
    m_videoSource2.Save(kVideoSource2Tag, storage);
    m_3dInfo.Save(k3dTag, storage);
}

void CVideoRecorder3d2::LoadSelf(const char* name, CPersistStorage& storage)
{
    CVideoRecorder2::LoadSelf(name, storage);
    storage.Load(kLeftTag, m_leftOn);
    storage.Load(kRightTag, m_rightOn);
    m_videoSource2.Load(kVideoSource2Tag, storage);
    m_3dInfo.Load(k3dTag, storage);
}

bool CVideoRecorder3d2::ValidateLeftOn(bool on)
{
    if (GetVideoSource().GetName().IsEmpty()) return false;
    return m_rightOn ? on : true;
}

bool CVideoRecorder3d2::ValidateRightOn(bool on)
{
    if (m_videoSource2.GetName().IsEmpty()) return false;
    return m_leftOn ? on : true;
}

MV_IMPLEMENT_NO_SIDE_EFFECT(CVideoRecorder3d2, LeftOn)
MV_IMPLEMENT_NO_SIDE_EFFECT(CVideoRecorder3d2, RightOn)
MV_IMPLEMENT_PROPERTY_SETTER(CVideoRecorder3d2, LeftOn, bool, m_leftOn, kLeftOnChangedNotice)
MV_IMPLEMENT_PROPERTY_SETTER(CVideoRecorder3d2, RightOn, bool, m_rightOn, kRightOnChangedNotice)

CString CVideoRecorder3d2::LeftDevice() { return m_leftOn ? GetVideoSource().GetName() : CString(); }
CString CVideoRecorder3d2::RightDevice() { return m_rightOn ? m_videoSource2.GetName() : CString(); }

CString CVideoRecorder3d2::GetPrimaryDevice()
{
    CString left = LeftDevice();
    return left.IsEmpty() ? RightDevice() : left;
}

CString CVideoRecorder3d2::GetSecondaryDevice() { return LeftDevice().IsEmpty() ? CString() : RightDevice(); }

CString CVideoRecorder3d2::GetText()
{
    CString text = GetPrimaryDevice();
    CString secondary = GetSecondaryDevice();
    if (!secondary.IsEmpty()) text += " + " + secondary;
    return text;
}
