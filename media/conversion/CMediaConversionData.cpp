#include "CMediaConversionData.h"

MV_IMPLEMENT_PERSIST_CLASS(CMediaConversionData, CMediaWriter2, FourCharCode("mcdt"))

namespace {
const char* const kInputTag = "input";
}

CMediaConversionData::CMediaConversionData()
{
    GetMediaOutput().SetWantsVideo(true);
    GetMediaOutput().GetAudioOutput().SetAudioMode(0);
}

void CMediaConversionData::SaveSelf(const char* name, CPersistStorage& storage)
{
    CMediaWriter2::SaveSelf(name, storage);
    m_input.Save(kInputTag, storage);
}

void CMediaConversionData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaWriter2::LoadSelf(name, storage);
    m_input.Load(kInputTag, storage);
}
