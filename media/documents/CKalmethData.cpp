#include "CKalmethData.h"

MV_IMPLEMENT_PERSIST_CLASS(CKalmethData, CFileBatch2, FourCharCode("klmd"))

CKalmethData::CKalmethData()
{
    GetMediaOutput().SetWantsVideo(true);
    GetMediaOutput().GetAudioOutput().SetAudioMode(0);
}

void CKalmethData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CFileBatch2::LoadSelf(name, storage);
    GetMediaOutput().SetWantsVideo(true);
}
