#include "CAudioTrack.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioTrack, CMediaTrack, FourCharCode("atrk"))

namespace {
const char* const kInfoTag = "info";
}

void CAudioTrack::SaveSelf(const char* name, CPersistStorage& storage)
{
    CMediaTrack::SaveSelf(name, storage);
    m_info.Save(kInfoTag, storage);
}

void CAudioTrack::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaTrack::LoadSelf(name, storage);
    m_info.Load(kInfoTag, storage);
}

CString CAudioTrack::GetSummary()
{
    CString summary;
    summary.Format("%dhz, %dch", static_cast<int>(m_info.GetSampleRate()), static_cast<int>(m_info.GetChannel()));
    return summary;
}
