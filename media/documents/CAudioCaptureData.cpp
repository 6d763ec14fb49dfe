#include "CAudioCaptureData.h"

#include "UDocumentDefaults.h"

MV_IMPLEMENT_PERSIST_CLASS(CAudioCaptureData, CMediaWriter2, FourCharCode("acad"))

CAudioCaptureData::CAudioCaptureData()
{
    UDocumentDefaults::WantAudioOnly(GetMediaOutput());
    UDocumentDefaults::ApplyRecorderAudio(GetMediaOutput());
}
