#include "CAudioCdRipperData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCdRipperData, CMediaBatch2, FourCharCode("acdd"))

namespace {
void WantPlainAudio(CMediaOutput2& output)
{
    UDocumentDefaults::WantAudioOnly(output);
    output.GetAudioOutput().SetRemux(false);
    output.GetAudioOutput().SetRegulateTimecode(false);
}
}

CAudioCdRipperData::CAudioCdRipperData()
{
    WantPlainAudio(GetMediaOutput());
    GetMediaOutput().GetAudioOutput().SetAudioMode(0);
}

void CAudioCdRipperData::LoadSelf(const char* name, CPersistStorage& storage)
{
    CMediaBatch2::LoadSelf(name, storage);
    WantPlainAudio(GetMediaOutput());
}
