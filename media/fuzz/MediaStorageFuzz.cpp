// Feeds arbitrary bytes to the loaders of the media records, through the binary
// storage (whole objects by type code, and the records directly) and, as text, through
// the XML settings reader. Whatever the bytes, loading must end, stay in bounds, leave
// only items of the expected class in the lists, and leak nothing; the loaded records
// must stand their own operations.
#include "CAudioCdReader2.h"
#include "CAudioTrack.h"
#include "CDvWriter2.h"
#include "CFileBatch2.h"
#include "CMediaFile2.h"
#include "CMediaList2.h"
#include "CMediaOutputList.h"
#include "CMediaWriter2.h"
#include "CSaveDir2.h"
#include "CScreenRecorder2.h"
#include "CSliceDuration2.h"
#include "CSlideInfo2.h"
#include "CSlideShow2.h"
#include "CSubtitleTrack.h"
#include "CVideoRecorder3d2.h"
#include "CVideoTrack.h"
#include "../../framework/fuzz/PersistFuzz.h"

#include <cstddef>
#include <cstdint>

namespace {

void CheckMediaFile(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CMediaFile2 file;
    file.Load("Settings", storage);
    for (int i = 0; i < file.GetVideoTrackCount(); ++i) Require(file.GetVideoTrack(i)->IsInstanceOf(FourCharCode("vtrk")));
    for (int i = 0; i < file.GetAudioTrackCount(); ++i) Require(file.GetAudioTrack(i)->IsInstanceOf(FourCharCode("atrk")));
    for (int i = 0; i < file.GetSubtitleTrackCount(); ++i)
        Require(file.GetSubtitleTrack(i)->IsInstanceOf(FourCharCode("strk")));
    for (int i = 0; i < file.GetSliceCount(); ++i) Require(file.GetSliceAt(i)->IsInstanceOf(FourCharCode("sldu")));
    file.GetVideoSummary();
    file.GetAudioSummary();
    file.GetSelectedSubtitle();
    file.GetFileType();
    file.GetConversionDuration();
    if (CVideoTrack* video = file.GetSelectedVideo()) {
        video->GetCropLeft();
        video->AdjustAspectRatio();
    }
    file.AddSliceAtTime(1, 10);
    file.TrimLeft(0.5);
    file.Close();
}

void CheckLists(CPersistStorage& storage)
{
    storage.ResetLoad(true);
    CMediaOutputList outputs;
    outputs.Load("Settings", storage);
    for (int i = 0; i < outputs.GetOutputCount(); ++i) {
        Require(outputs.GetOutput(i)->IsInstanceOf(FourCharCode("awr2")));
        outputs.GetOutput(i)->Validate();
    }
    storage.ResetLoad(true);
    CMediaList2 files;
    files.Load("Settings", storage);
    for (int i = 0; i < files.GetFileCount(); ++i) Require(files.GetFile(i)->IsInstanceOf(FourCharCode("mfl2")));
}

void LoadEvery(CPersistStorage& storage)
{
    CheckMediaFile(storage);
    CheckLists(storage);
    LoadAs<CMediaWriter2>(storage);
    LoadAs<CDvWriter2>(storage);
    LoadAs<CSaveDir2>(storage);
    LoadAs<CVideoTrack>(storage);
    LoadAs<CAudioTrack>(storage);
    LoadAs<CScreenRecorder2>(storage);
    LoadAs<CVideoRecorder3d2>(storage);
    LoadAs<CAudioCdReader2>(storage);
    LoadAs<CFileBatch2>(storage);
    storage.ResetLoad(true);
    CSlideShow2 show;
    show.Load("Settings", storage);
    for (int i = 0; i < show.GetSlideCount(); ++i) Require(show.GetSlide(i)->IsInstanceOf(FourCharCode("slif")));
    show.SetSlideDuration(show.GetSlideDuration() + 1);
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FeedBinaryAndXml(data, size, LoadEvery);
    return 0;
}
