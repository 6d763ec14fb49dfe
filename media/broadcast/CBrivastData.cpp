#include "CBrivastData.h"

#include "CBrivastCam.h"
#include "URecordListUtils.h"
#include "UDataListUtils.h"

MV_IMPLEMENT_PERSIST_CLASS(CBrivastData, CPersistObject, FourCharCode("bvss"))

namespace {
const char* const kAccountTag = "account";
const char* const kCamsTag = "cams";
const char* const kBroadcastsTag = "broadcasts";

bool Same(const CString& text, const char* other)
{
    return std::strcmp(text, other ? other : "") == 0;
}
}

void CBrivastData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::SaveSelf(name, storage);
    m_account.Save(kAccountTag, storage);
    m_cams.Save(kCamsTag, storage);
    m_broadcasts.Save(kBroadcastsTag, storage);
}

void CBrivastData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CPersistObject::LoadSelf(name, storage);
    m_account.Load(kAccountTag, storage);
    m_cams.Load(kCamsTag, storage);
    m_broadcasts.Load(kBroadcastsTag, storage);
    UDataListUtils::DropForeignItems(m_cams, FourCharCode("bvcm"));
    UDataListUtils::DropForeignItems(m_broadcasts, FourCharCode("bvbr"));
}

void CBrivastData::AddCam(CBrivastCam* cam)
{
    m_cams.Add(cam);
}

void CBrivastData::RemoveCam(CBrivastCam* cam)
{
    URecordListUtils::Delete(m_cams, cam);
}

CBrivastCam* CBrivastData::GetCam(int index) const
{
    return URecordListUtils::At<CBrivastCam>(m_cams, index);
}

CBrivastCam* CBrivastData::FindCamByName(const char* name, bool primaryOnly, const CBrivastCam* excluded) const
{
    for (int i = 0; i < GetCamCount(); ++i) {
        CBrivastCam* cam = GetCam(i);
        if (!cam || cam == excluded) continue;
        CVideoRecorder3d2& recorder = cam->GetVideoRecorder();
        if (Same(recorder.GetVideoSource().GetName(), name)) return cam;
        if (!primaryOnly && recorder.GetRightOn() && Same(recorder.GetVideoSource2().GetName(), name)) return cam;
    }
    return nullptr;
}

void CBrivastData::AddBroadcast(CBrivastBroadcast* broadcast)
{
    m_broadcasts.Add(broadcast);
}

void CBrivastData::RemoveBroadcast(CBrivastBroadcast* broadcast)
{
    URecordListUtils::Delete(m_broadcasts, broadcast);
}

CBrivastBroadcast* CBrivastData::GetBroadcast(int index) const
{
    return URecordListUtils::At<CBrivastBroadcast>(m_broadcasts, index);
}

// Searches the broadcasts: a camera is no broadcast, whatever its name.
CBrivastBroadcast* CBrivastData::FindBroadcastByName(const char* name) const
{
    return URecordListUtils::FindByName<CBrivastBroadcast>(m_broadcasts, name);
}
