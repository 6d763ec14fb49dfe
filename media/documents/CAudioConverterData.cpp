#include "CAudioConverterData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioConverterData, CFileBatch2, FourCharCode("acvd"))

CAudioConverterData::CAudioConverterData()
{
    UDocumentDefaults::WantAudioOnly(GetMediaOutput());
    GetMediaOutput().GetAudioOutput().SetAudioMode(0);
}

void CAudioConverterData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CFileBatch2::LoadSelf(name, storage);
    UDocumentDefaults::WantAudioOnly(GetMediaOutput());
}
