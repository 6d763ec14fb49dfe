#include "CSondrelData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(CSondrelData, CMediaWriter2, FourCharCode("snd3"))

CSondrelData::CSondrelData()
{
    UDocumentDefaults::WantAudioOnly(GetMediaOutput());
    GetMediaOutput().GetAudioOutput().SetAutoSettings(true);
    GetMediaOutput().GetAudioOutput().SetQuality(50);
    GetFilePath().SetAutoNaming(false);
}
