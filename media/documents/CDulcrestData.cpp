#include "CDulcrestData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(CDulcrestData, CMediaWriter2, FourCharCode("dlcd"))

CDulcrestData::CDulcrestData()
{
    UDocumentDefaults::ApplyRecorderDefaults(GetMediaOutput());
    GetFilePath().SetAutoNaming(false);
}

void CDulcrestData::LoadSelf(const char* name, CPersistStorage& storage)
{
    TMemberDocument::LoadSelf(name, storage);
    GetMediaOutput().GetVideoOutput().SetGreyScale(false);
}
