#include "CSondrel2Monitor.h"

#include "CSondrelData.h"
#include "UFileUtils.h"
#include "UGuidUtils.h"

void CSondrel2Monitor::Update(CSondrelData* document)
{
    if (!document) return;
    static const GUID kMpeg1StreamSplitter = UGuidUtils::GuidFromString("336475D0-942A-11CE-A870-00AA002FEAB5");
    CMediaFile2& input = document->GetInput();
    const bool mpeg1 = input.GetSplitterId(0) == kMpeg1StreamSplitter;
    const ESplitterType type = mpeg1 ? kSplitterTypeWav : 350;
    CMediaOutput2& output = document->GetMediaOutput();
    if (output.GetSplitterType() != type) {
        // The encoder of the old type would not suit the new one.
        output.GetAudioOutput(0)->SetDisplayName("");
        output.SetSplitterType(type);
    }
    const CString path(UFileUtils::ReplaceExtension(input.GetFilePath().GetFilePath(), mpeg1 ? "wav" : "mp3"));
    document->GetFilePath().SetFilePath(path);
}
